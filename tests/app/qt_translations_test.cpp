// Qt's own dialogs and standard buttons speak Chinese once the program's translations are in.
#include "app/qt_translations.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(QtTranslations, StandardButtonsAndFileDialogsAreChinese)
{
    ASSERT_TRUE(app::installQtTranslations()) << "qt6-translations-l10n is missing";
    QDialogButtonBox buttons(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
    EXPECT_NE(buttons.button(QDialogButtonBox::Save)->text(), QStringLiteral("Save"));

    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
}
