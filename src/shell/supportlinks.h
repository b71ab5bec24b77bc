#pragma once

#include <QString>

// The maker's support forum, support mailbox and home page.
namespace gaikyo::supportlinks {

QString forum();
QString mailbox();
QString homePage();

// The address handed to the mail program: "mailto:" in front unless it is there
// already, in any case.
QString mailAddress(const QString& mailbox);

} // namespace gaikyo::supportlinks
