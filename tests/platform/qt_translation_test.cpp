#include "platform/qt_translation.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

namespace orvik {
namespace {

TEST(QtTranslationTest, QtsOwnDialogTextsTurnChineseWhateverTheLocale)
{
    int argc = 1;
    char name[] = "qt_translation_test";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const char* const overwrite = "%1 already exists.\nDo you want to replace it?";
    ASSERT_EQ(QCoreApplication::translate("QFileDialog", overwrite), QString::fromLatin1(overwrite));

    ASSERT_TRUE(InstallQtChineseTranslation());
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", overwrite), QStringLiteral("%1 已存在。\n您想要替换它吗？"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Open"), QStringLiteral("打开(&O)"));
}

}  // namespace
}  // namespace orvik
