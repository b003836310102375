// The commands of a window: made from the catalogue, disabled until they do something, and
// enabled and checked by their update rules.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QSet>

#include "view/command_catalogue.h"
#include "view/command_ids.h"
#include "view/command_set.h"

TEST(CommandCatalogueTest, EveryCommandHasATextAUniqueIdAnIconThatExistsAndItsOwnShortcuts) {
    QSet<unsigned int> ids;
    QHash<QString, unsigned int> keys;
    for (const CQarnCommandInfo& info : CQarnCommandCatalogue::All()) {
        SCOPED_TRACE(info.id);
        EXPECT_FALSE(info.text.isEmpty());
        EXPECT_FALSE(ids.contains(info.id));
        ids.insert(info.id);
        if (!info.icon.isEmpty()) {
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/icons/%1.svg").arg(info.icon)))
                << info.icon.toStdString();
        }
        for (const QKeySequence& key : info.shortcuts) {
            const QString text = key.toString();
            if (text.isEmpty()) {
                continue;  // a standard key this platform does not define
            }
            EXPECT_FALSE(keys.contains(text))
                << text.toStdString() << " is also the key of " << keys.value(text);
            keys.insert(text, info.id);
        }
    }
    const CQarnCommandInfo* undo = CQarnCommandCatalogue::Find(QarnCmd::EditUndo);
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(CQarnCommandCatalogue::PlainText(*undo), QStringLiteral("Undo"));
    EXPECT_EQ(undo->shortcuts.value(0), QKeySequence(QKeySequence::Undo));
    const CQarnCommandInfo* fill = CQarnCommandCatalogue::Find(QarnCmd::LineAndFill);
    EXPECT_EQ(CQarnCommandCatalogue::PlainText(*fill), QStringLiteral("Line & Fill..."));
    EXPECT_EQ(CQarnCommandCatalogue::Find(1), nullptr);
}

TEST(CommandCatalogueTest, ShapeKindsAreCommandsNamedAfterTheirKind) {
    const CQarnCommandInfo* pie = CQarnCommandCatalogue::Find(18227);
    ASSERT_NE(pie, nullptr);
    EXPECT_EQ(pie->text, QStringLiteral("Pie"));
    EXPECT_TRUE(pie->checkable);
    EXPECT_EQ(CQarnCommandCatalogue::Find(18227), pie);  // made once
}

TEST(CommandSetTest, ACommandIsDisabledUntilItDoesSomething) {
    CQarnCommandSet commands;
    QAction* undo = commands.Action(QarnCmd::EditUndo);
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(commands.Action(QarnCmd::EditUndo), undo);
    EXPECT_EQ(undo->objectName(), QStringLiteral("command-57643"));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(commands.Trigger(QarnCmd::EditUndo));

    int undone = 0;
    bool canUndo = false;
    commands.SetHandler(QarnCmd::EditUndo, [&](unsigned int) { ++undone; });
    commands.SetUpdateRule(QarnCmd::EditUndo, [&](unsigned int) {
        return CQarnCommandState{canUndo, false};
    });
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(commands.Trigger(QarnCmd::EditUndo));
    canUndo = true;
    commands.Refresh();
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_TRUE(commands.Trigger(QarnCmd::EditUndo));
    EXPECT_EQ(undone, 1);

    commands.SetHandler(QarnCmd::EditUndo, nullptr);
    EXPECT_FALSE(undo->isEnabled());
}

TEST(CommandSetTest, AToolIsCheckedByItsRuleNotByTheClick) {
    CQarnCommandSet commands;
    unsigned int current = QarnCmd::ToolSelect;
    const auto choose = [&](unsigned int id) { current = id; };
    const auto isCurrent = [&](unsigned int id) { return CQarnCommandState{true, id == current}; };
    commands.SetHandler(QarnCmd::ToolLine, QarnCmd::ToolLine, choose);
    commands.SetUpdateRule(QarnCmd::ToolLine, QarnCmd::ToolLine, isCurrent);
    commands.SetHandler(QarnCmd::ToolSelect, choose);
    commands.SetUpdateRule(QarnCmd::ToolSelect, isCurrent);
    QAction* line = commands.Action(QarnCmd::ToolLine);
    QAction* select = commands.Action(QarnCmd::ToolSelect);
    EXPECT_TRUE(select->isChecked());
    commands.Trigger(QarnCmd::ToolLine);
    EXPECT_EQ(current, QarnCmd::ToolLine);
    commands.Refresh();
    EXPECT_TRUE(line->isChecked());
    EXPECT_FALSE(select->isChecked());
    // Choosing the current tool again leaves it checked.
    commands.Trigger(QarnCmd::ToolLine);
    EXPECT_TRUE(line->isChecked());

    QMenu menu;
    commands.AddTo(&menu, {QarnCmd::ToolSelect, 0, QarnCmd::ToolLine, 1});
    ASSERT_EQ(menu.actions().size(), 3);  // an unknown id adds nothing
    EXPECT_TRUE(menu.actions()[1]->isSeparator());
}
