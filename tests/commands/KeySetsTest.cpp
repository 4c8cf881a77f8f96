// The two key sets over the whole command table: no key twice in either, the
// desktop keys on their commands, and every other command keeps its key or,
// where a desktop command took it, moves to Ctrl+Alt or Alt+Shift and the
// same letter.
#include "commands/KeySets.h"

namespace {

using commands::KeySet;

TEST(KeySets, NoKeyTwiceAndEveryCommandKeepsOrMovesItsKey)
{
    const auto table = commands::commandTable();
    const commands::KeyTable classic = commands::keyTable(table, KeySet::Classic);
    const commands::KeyTable desktop = commands::keyTable(table, KeySet::Desktop);
    for (const commands::KeyTable* set : {&classic, &desktop}) {
        std::map<QKeySequence, QString> owner;
        for (const auto& [name, keys] : *set)
            for (const QKeySequence& k : keys) {
                const auto [at, fresh] = owner.emplace(k, name);
                EXPECT_TRUE(fresh) << k.toString().toStdString() << " on " << name.toStdString() << " and "
                                   << at->second.toStdString();
            }
    }
    std::map<QKeySequence, QString> desktopOwner;
    for (const commands::DesktopKey& d : commands::desktopKeys()) {
        QList<QKeySequence> keys;
        for (const QString& k : QString::fromLatin1(d.keys).split(QStringLiteral(", ")))
            keys << QKeySequence::fromString(k, QKeySequence::PortableText);
        ASSERT_TRUE(desktop.contains(QString::fromLatin1(d.entry))) << d.entry;
        EXPECT_EQ(desktop.at(QString::fromLatin1(d.entry)).mid(0, keys.size()), keys) << d.entry;
        for (const QKeySequence& k : keys) desktopOwner[k] = QString::fromLatin1(d.entry);
    }
    for (const auto& [name, keys] : classic) {
        ASSERT_EQ(keys.size(), 1) << name.toStdString();
        const QKeySequence old = keys.first();
        const QList<QKeySequence>& now = desktop.at(name);
        const auto taken = desktopOwner.find(old);
        if (taken == desktopOwner.end() || taken->second == name) {
            EXPECT_TRUE(now.contains(old)) << name.toStdString();
            continue;
        }
        ASSERT_EQ(now.size(), 1) << name.toStdString();
        const QKeyCombination moved = now.first()[0];
        EXPECT_EQ(moved.key(), old[0].key()) << name.toStdString();
        EXPECT_TRUE(moved.keyboardModifiers() == (Qt::ControlModifier | Qt::AltModifier) ||
                    moved.keyboardModifiers() == (Qt::AltModifier | Qt::ShiftModifier))
            << name.toStdString();
    }
}

}  // namespace
