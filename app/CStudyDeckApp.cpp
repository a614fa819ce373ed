#include "app/CStudyDeckApp.h"

#include "app/CStudyDeckDlg.h"
#include "app/DisplayStyle.h"

#include <QLibraryInfo>
#include <QTranslator>

CStudyDeckApp::CStudyDeckApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("verbatrove"));
    setOrganizationName(QStringLiteral("verbatrove"));
    setApplicationDisplayName(QStringLiteral("岚溪词苑"));
    DisplayStyle::installFontSubstitutions();
    // Dialogs and message boxes use the same face as the study screens.
    QFont ui(QStringLiteral("微软雅黑"));
    ui.setPixelSize(13);
    setFont(ui);
    // Standard buttons of message boxes and dialogs in Chinese, like the rest of the program.
    auto* qtText = new QTranslator(this);
    if (qtText->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(qtText);
    // Closing a dialog must not end the program while the main window is hidden by a leisure display.
    setQuitOnLastWindowClosed(false);
}

int CStudyDeckApp::InitInstance() {
    CStudyDeckDlg dlg;
    QObject::connect(&dlg, &CStudyDeckDlg::closed, this, &QApplication::quit);
    dlg.start();
    return exec();
}
