// The two key sets over the whole command table: no key twice in either, the
// desktop keys first on their commands, and every other command keeps its key
// or, where a desktop command took it, has Ctrl+Alt or Alt+Shift and the same
// letter instead.
#include "commands/KeySets.h"

TEST(KeySets, NoKeyTwiceAndEveryCommandKeepsOrMovesItsKey)
{
    using commands::KeySet;
    const commands::KeyTable classic = commands::keyTable(commands::commandTable(), KeySet::Classic);
    const commands::KeyTable desktop = commands::keyTable(commands::commandTable(), KeySet::Desktop);
    for (const commands::KeyTable* set : {&classic, &desktop}) {
        std::map<QKeySequence, QString> owner;
        for (const auto& [name, keys] : *set)
            for (const QKeySequence& k : keys)
                EXPECT_TRUE(owner.emplace(k, name).second) << k.toString().toStdString() << " twice";
    }
    std::map<QKeySequence, QString> desktopOwner;
    for (const commands::DesktopKey& d : commands::desktopKeys()) {
        const QString name = QString::fromLatin1(d.entry);
        const QStringList texts = QString::fromLatin1(d.keys).split(QStringLiteral(", "));
        for (qsizetype i = 0; i < texts.size(); ++i) {
            desktopOwner[QKeySequence(texts[i])] = name;
            EXPECT_EQ(desktop.at(name).value(i), QKeySequence(texts[i])) << d.entry;
        }
    }
    for (const auto& [name, keys] : classic) {
        const QKeyCombination old = keys.value(0)[0];
        const QList<QKeySequence>& now = desktop.at(name);
        const auto taken = desktopOwner.find(keys.value(0));
        if (taken == desktopOwner.end() || taken->second == name) {
            EXPECT_TRUE(now.contains(keys.value(0))) << name.toStdString();
            continue;
        }
        ASSERT_EQ(now.size(), 1) << name.toStdString();
        const Qt::KeyboardModifiers mods = now[0][0].keyboardModifiers();
        EXPECT_EQ(now[0][0].key(), old.key()) << name.toStdString();
        EXPECT_TRUE(mods == (Qt::ControlModifier | Qt::AltModifier) || mods == (Qt::AltModifier | Qt::ShiftModifier));
    }
}
