#pragma once

#include "screen/screen.h"

#include <QString>

#include <optional>

namespace gaikyo {

class FolderWatch;

// Form1, the main menu: holds the current company (the text of Text1), the two
// company lists, and opens every other screen.
class MainMenu : public Screen {
    Q_OBJECT
public:
    explicit MainMenu(Application& app);

    // Fills both lists and checks the pledge. Returns false when the program ended
    // before the menu could be shown.
    bool startUp();

    // How long after the start the temporary files of killed saves are cleared away.
    static constexpr int leftoversDelayMs = 2000;
    // Clears the temporary files of the program's own killed saves from its folders
    // (leftovers::clearSaveLeftovers) and tells the user of the copies kept aside.
    void clearSaveLeftovers();

    void refillCompanyList();  // Command17 "法人税の目次"
    void refillRegistryList(); // the list of the corporate-tax program's companies

    // The folder watches that refill the lists when company files appear, disappear or
    // change, whoever changed them; nothing before startUp().
    FolderWatch* companyFolderWatch() const { return m_companyWatch; }
    FolderWatch* registryFolderWatch() const { return m_registryWatch; }

    void closeBoxPressed() override;
    void companiesChanged() override { refillCompanyList(); }

    // The buttons that open a screen on the current company, and the screen each opens.
    struct CompanyScreen {
        QString button;
        QString screen;
    };
    static const QList<CompanyScreen>& companyScreens();

private:
    void addControls();
    // The company code in Text1, or a warning titled after the operation.
    std::optional<qint32> currentCode(const QString& operation);
    void openOnCurrentCompany(const CompanyScreen& target);
    void checkPledge();
    void callUpCompany();         // Command2 "会社呼出"
    void selectFromCompanyList(); // List2 click
    void takeFromRegistryList();  // List1 click
    void registerCompany();       // Command1 "会社登録"
    void clearCompanyCode();      // Command9 "会社コードクリア"
    void deleteCompany();         // Command8 "登録の削除をする"
    // The question before a deletion, naming the company by its code and by the name in
    // its own file (none: the file names none). True: delete.
    bool confirmDeletion(qint32 code, const std::optional<QString>& name);
    // Fills a list anew, keeping the company selected in it (by its code) selected.
    void refillList(const QString& list, const QStringList& items);
    void watchFolders();

    FolderWatch* m_companyWatch = nullptr;
    FolderWatch* m_registryWatch = nullptr;
};

} // namespace gaikyo
