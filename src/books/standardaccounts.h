#pragma once

// The public standard account lists by industry, as one data table compiled in from
// standardaccounts.txt (UTF-8): one account a line, 業種,場所,勘定科目,欄.
namespace gaikyo::standardaccounts {

const char* table();

} // namespace gaikyo::standardaccounts
