#include "core/jobs/HourJournal.h"
#include "core/jobs/HourBook.h"
#include "core/storage/SafeFile.h"
#include "core/storage/StorageFaults.h"
#include "core/storage/WriteGate.h"
#include "support/Files.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <thread>

using namespace belvane;

namespace {

HourEntry entry(int budget, int day, const QString& person, int quarters, const QString& note = {})
{
    return {budget, QDate(2026, 12, day), person, QStringLiteral("Anteprojeto"), quarters, note};
}

class HourJournalTest : public test::TestFolder {
protected:
    void TearDown() override
    {
        WriteGate::uninstall();
        test::TestFolder::TearDown();
    }
    QString journalPath(const QString& user) const
    {
        return HourJournal::folderIn(folder())
            + HourJournal::fileNameFor(user, QStringLiteral("PC"), QStringLiteral("a1"));
    }
    HourJournal journalOf(const QString& user) const
    {
        return {journalPath(user), user, QStringLiteral("PC")};
    }
    std::vector<HourEntry> entriesRead(int budget)
    {
        HourBook book(folder());
        book.refresh();
        m_problems = book.problems();
        std::vector<HourEntry> entries;
        for (const RecordedHourEntry& recorded : book.entriesOf(budget))
            entries.push_back(recorded.entry);
        return entries;
    }
    std::vector<HourJournalProblem> m_problems;
};

TEST_F(HourJournalTest, EntriesComeBackAsWrittenEvenFromASeatThatOnlyReadsTheFolder)
{
    // A seat that only reads the shared folder: the folder's gate refuses its writes.
    WriteGate::install(folder(), [] { return IoResult::failure(QStringLiteral("outro posto grava")); });
    EXPECT_FALSE(writeFileAtomically(folder() + QStringLiteral("x.bvp"), QByteArray("x")).ok());

    HourJournal journal = journalOf(QStringLiteral("ana"));
    const HourEntry odd =
        entry(7, 9, QStringLiteral("Ana\tSouza"), 6, QStringLiteral("obra\nvisita \\ reunião ç"));
    EXPECT_EQ(journal.add(odd).sequence, 1);
    EXPECT_EQ(journal.add(entry(7, 10, QStringLiteral("Ana"), 4)).sequence, 2);
    EXPECT_TRUE(journal.change(2, entry(99, 11, QStringLiteral("Bia"), 8, QStringLiteral("corrigido"))).ok());
    EXPECT_EQ(journal.remove(1).sequence, 4);
    EXPECT_EQ(journal.add(odd).sequence, 5);

    // The change keeps the entry's job; the deleted one is gone, the same values added again are a new entry.
    EXPECT_EQ(
        entriesRead(7),
        (std::vector<HourEntry>{odd, entry(7, 11, QStringLiteral("Bia"), 8, QStringLiteral("corrigido"))}));
    EXPECT_TRUE(m_problems.empty());
    const QList<QByteArray> lines = test::fileContents(journalPath(QStringLiteral("ana"))).split('\n');
    EXPECT_EQ(lines.size(), 7); // header, five records, nothing after the last break
    EXPECT_TRUE(lines[0].startsWith("Belvane horas\t1\t"));
    EXPECT_TRUE(lines[0].contains("\tana\tPC\t"));
    EXPECT_FALSE(journal.remove(9).ok()); // no such entry yet
}

TEST_F(HourJournalTest, ASeatKeepsItsJournalAcrossSessions)
{
    const QString note = pathOf(QStringLiteral("nota.txt"));
    SeatMemory lockMemory(note); // the folder lock's memory of the same note, read before the id was made
    const Seat seat{QStringLiteral("ana"), QStringLiteral("ESCRITORIO 2"), QStringLiteral("s1")};
    SeatMemory first(note);
    const QString path = HourJournal::ofSeat(folder(), seat, first).path();
    lockMemory.setLastSession(QStringLiteral("s2"));
    SeatMemory next(note);
    EXPECT_EQ(HourJournal::ofSeat(folder(), seat, next).path(), path);
    EXPECT_TRUE(QFileInfo(path).fileName().startsWith(QStringLiteral("ana-ESCRITORIO_2-")));
    EXPECT_EQ(SeatMemory(note).lastSession(), QStringLiteral("s2"));
}

TEST_F(HourJournalTest, ALineCutShortIsIgnoredAndTheNextRecordStartsOnAFreshLine)
{
    const QString path = journalPath(QStringLiteral("ana"));
    {
        HourJournal journal = journalOf(QStringLiteral("ana"));
        ASSERT_TRUE(journal.add(entry(7, 9, QStringLiteral("Ana"), 4)).ok());
        ASSERT_TRUE(journal.add(entry(7, 10, QStringLiteral("Ana"), 4)).ok());
    }
    // The seat was switched off in the middle of its third record.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("nova\t3\t7\t2026-12-1");
    file.close();
    EXPECT_EQ(entriesRead(7).size(), 2u);
    EXPECT_TRUE(m_problems.empty());

    // The next session ends the cut line and goes on; so does a disk that fails halfway.
    HourJournal next = journalOf(QStringLiteral("ana"));
    EXPECT_EQ(next.add(entry(7, 11, QStringLiteral("Ana"), 2)).sequence, 3);
    StorageFaults::inject(StorageFaults::Kind::FailWrite, QFileInfo(path).fileName());
    const HourJournalWrite failed = next.add(entry(7, 12, QStringLiteral("Ana"), 2));
    EXPECT_EQ(failed.error,
              QStringLiteral("Não foi possível salvar o arquivo %1: falha simulada de gravação.")
                  .arg(test::quotedNative(path)));
    EXPECT_EQ(entriesRead(7).size(), 3u);
    EXPECT_EQ(next.add(entry(7, 13, QStringLiteral("Ana"), 2)).sequence, 4);

    EXPECT_EQ(entriesRead(7).size(), 4u);
    EXPECT_TRUE(m_problems.empty());
    EXPECT_EQ(test::fileContents(path).count("\t~cortada\n"), 2);
}

TEST_F(HourJournalTest, AJournalThatCannotBeReadIsNamedByItsSeatAndTheOthersStillCount)
{
    HourJournal ana = journalOf(QStringLiteral("ana"));
    for (int day = 1; day <= 3; ++day)
        ASSERT_TRUE(ana.add(entry(7, day, QStringLiteral("Ana"), 4)).ok());
    HourJournal bia = journalOf(QStringLiteral("bia"));
    ASSERT_TRUE(bia.add(entry(7, 4, QStringLiteral("Bia"), 4)).ok());

    // A damaged line in the middle of Ana's journal: the lines around it still count.
    QByteArray bytes = test::fileContents(ana.path());
    bytes[bytes.indexOf("\t2026-12-02") + 4] = '9';
    test::writeFile(ana.path(), bytes);
    EXPECT_EQ(entriesRead(7).size(), 3u);
    ASSERT_EQ(m_problems.size(), 1u);
    EXPECT_EQ(m_problems[0].seat, QStringLiteral("ana em PC"));
    EXPECT_EQ(m_problems[0].message,
              QStringLiteral("O arquivo de horas de ana em PC (%1) está danificado: 1 linha(s) "
                             "não puderam ser lidas; as demais horas contam.")
                  .arg(test::quotedNative(ana.path())));
    EXPECT_TRUE(journalOf(QStringLiteral("ana")).add(entry(7, 5, QStringLiteral("Ana"), 4)).ok());

    // Bia's journal from a newer program: not read, and never written over.
    const QByteArray newer = "Belvane horas\t2\toutra forma\n";
    test::writeFile(bia.path(), newer);
    EXPECT_FALSE(journalOf(QStringLiteral("bia")).add(entry(7, 6, QStringLiteral("Bia"), 4)).error.isEmpty());
    EXPECT_EQ(test::fileContents(bia.path()), newer);
    // And one whose file the system cannot give (a link to a share that is gone).
    ASSERT_TRUE(QFile::link(QStringLiteral("/nenhuma/pasta/caio.horas"),
                            HourJournal::folderIn(folder()) + QStringLiteral("caio-PC-a1.horas")));

    EXPECT_EQ(entriesRead(7).size(), 3u); // Ana's four less the damaged one
    ASSERT_EQ(m_problems.size(), 3u);
    EXPECT_TRUE(
        m_problems[1].message.endsWith(QStringLiteral("foi gravado por uma versão mais nova do Belvane.")));
    EXPECT_TRUE(m_problems[1].message.contains(test::quotedNative(bia.path())));
    EXPECT_TRUE(
        m_problems[2].message.startsWith(QStringLiteral("As horas de caio-PC-a1.horas não puderam ser lidas. "
                                                        "Não foi possível ler o arquivo")));
}

TEST_F(HourJournalTest, TwoSeatsRecordingAtTheSameMomentLoseNothing)
{
    constexpr int kEach = 60;
    const auto record = [&](const QString& user) {
        HourJournal journal = journalOf(user);
        for (int i = 0; i < kEach; ++i)
            EXPECT_TRUE(journal.add(entry(7, 1 + i % 28, user, 1)).ok());
    };
    std::thread ana(record, QStringLiteral("ana"));
    std::thread bia(record, QStringLiteral("bia"));
    // A third seat reads while both write: never an error, never an entry twice.
    HourBook book(folder());
    for (int look = 0; look < 20; ++look) {
        book.refresh();
        EXPECT_TRUE(book.problems().empty());
        EXPECT_LE(book.quartersOf(7), 2 * kEach);
    }
    ana.join();
    bia.join();
    book.refresh();
    EXPECT_EQ(book.quartersOf(7), 2 * kEach);
    EXPECT_EQ(book.quartersByPerson(7).value(QStringLiteral("bia")), kEach);
}

} // namespace
