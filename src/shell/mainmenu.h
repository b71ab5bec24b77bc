#pragma once

#include "screen/screen.h"

#include <optional>

namespace gaikyo {

// Form1, the main menu: holds the current company (the text of Text1), the two
// company lists, and opens every other screen.
class MainMenu : public Screen {
    Q_OBJECT
public:
    explicit MainMenu(Application& app);

    // Fills both lists and checks the pledge. Returns false when the program ended
    // before the menu could be shown.
    bool startUp();

    void refillCompanyList();  // Command17 "法人税の目次"
    void refillRegistryList(); // the list of the corporate-tax program's companies

    void closeBoxPressed() override;

private:
    void addControls();
    // The company code in Text1, or a warning titled after the operation.
    std::optional<qint32> currentCode(const QString& operation);
    void handOver(const QString& button, const QString& target, const QString& codeBox,
                  const QStringList& actions);
    void checkPledge();
    void callUpCompany();         // Command2 "会社呼出"
    void selectFromCompanyList(); // List2 click
    void takeFromRegistryList();  // List1 click
    void registerCompany();       // Command1 "会社登録"
    void clearCompanyCode();      // Command9 "会社コードクリア"
    void deleteCompany();         // Command8 "登録の削除をする"
};

} // namespace gaikyo
