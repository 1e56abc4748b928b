#include "companion/vek_print_app.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QScreen>

#include "companion/main_frame.h"
#include "platform/own_look.h"
#include "platform/qt_translation.h"

namespace orvik {

void ApplyVekPrintLook(QApplication& application)
{
    UseOwnLook(application, LightPalette(QColor(239, 239, 239), QColor(0, 0, 0)));
}

int RunVekPrint(const std::string& path)
{
    InstallQtChineseTranslation();
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
