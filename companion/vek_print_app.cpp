#include "companion/vek_print_app.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QTranslator>

#include "companion/main_frame.h"

namespace orvik {
namespace {

// The standard dialogs (print, preview, page setup, font, save as, message
// boxes) speak Chinese like the rest of the program, whatever the locale.
void InstallChineseTranslation(QTranslator& translator)
{
    if (translator.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);
}

}  // namespace

int RunVekPrint(const std::string& path)
{
    QTranslator translator;
    InstallChineseTranslation(translator);
    // The key under which settings would be kept.
    QApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QApplication::setApplicationName(QStringLiteral("vekPrint"));
    CMainFrame frame;
    if (!frame.Document().OnOpenDocument(path)) {
        const QString name = QFile::decodeName(path.c_str());
        QMessageBox::critical(nullptr, QStringLiteral("vekPrint"), QStringLiteral("无法打开文档“%1”。").arg(name));
        return 1;
    }
    frame.View().OnInitialUpdate();
    // Filled in by hand as well: without a window manager nothing maximises.
    frame.setGeometry(frame.screen()->availableGeometry());
    frame.showMaximized();
    return QApplication::exec();
}

}  // namespace orvik
