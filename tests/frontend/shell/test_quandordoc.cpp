// Loading and saving report files through the document.
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QtTest>

#include <sys/stat.h>

#include "frontend/shell/cquandordoc.h"
#include "tests/frontend/shell/modalhelper.h"
#include "tests/support/qttestfiles.h"

namespace kelvarin {

class TestQuandorDoc : public QObject {
  Q_OBJECT

 private:
  QString WriteFile(const QString& name, const QByteArray& bytes) {
    return test::WriteTestFile(m_dir->filePath(name), bytes);
  }

  static QByteArray ReadFile(const QString& path) { return test::ReadTestFile(path); }

  std::unique_ptr<QTemporaryDir> m_dir;

 private slots:
  void initTestCase() { test::StartModalWatchdog(); }
  void init() { m_dir = std::make_unique<QTemporaryDir>(); }

  void highBytesAreShownAndSavedUnchanged() {
    QByteArray bytes;
    for (int b = 0x20; b < 0x100; ++b) bytes.append(static_cast<char>(b));
    bytes.append("\tend\n\xa0\xa0 no-break spaces\n");
    const QString path = WriteFile("high.err", bytes);
    CQuandorDoc doc;
    QVERIFY(doc.OnOpenDocument(path));
    QCOMPARE(doc.TextDocument()->firstBlock().text().size(), 0x100 - 0x20 + 4);
    QCOMPARE(doc.TextDocument()->firstBlock().text().at(0xE9 - 0x20), QChar(0xE9));
    QVERIFY(!doc.IsModified());
    const QString copy = m_dir->filePath("copy.err");
    QVERIFY(doc.DoSave(copy));
    QCOMPARE(ReadFile(copy), bytes);
    QCOMPARE(doc.PathName(), copy);
  }

  void crlfFileIsWrittenBackWithCrlf() {
    const QByteArray bytes("first\r\nsecond\r\n\r\nlast");
    const QString path = WriteFile("crlf.log", bytes);
    CQuandorDoc doc;
    QVERIFY(doc.OnOpenDocument(path));
    QCOMPARE(doc.TextDocument()->blockCount(), 4);
    QVERIFY(doc.DoFileSave());
    QCOMPARE(ReadFile(path), bytes);
  }

  void richTextMarkupIsShownAsItsCharacters() {
    const QByteArray bytes("{\\rtf1\\ansi {\\b bold}}\n<b>tag</b>\n");
    CQuandorDoc doc;
    QVERIFY(doc.OnOpenDocument(WriteFile("markup.txt", bytes)));
    QCOMPARE(doc.PlainText(), QString::fromLatin1(bytes));
  }

  void editedTextIsSavedAndRoundTrips() {
    const QString path = WriteFile("edit.chk", "one\ntwo\n");
    CQuandorDoc doc;
    QVERIFY(doc.OnOpenDocument(path));
    QTextCursor cursor(doc.TextDocument());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QString::fromLatin1("thr\xe9\xe9\n"));
    QVERIFY(doc.IsModified());
    QVERIFY(doc.DoFileSave());
    QVERIFY(!doc.IsModified());
    QCOMPARE(ReadFile(path), QByteArray("one\ntwo\nthr\xe9\xe9\n"));
    CQuandorDoc again;
    QVERIFY(again.OnOpenDocument(path));
    QCOMPARE(again.PlainText(), doc.PlainText());
  }

  void characterWithoutEightBitFormWarnsBeforeAnythingIsLost() {
    const QByteArray original("price: 10\n");
    const QString path = WriteFile("euro.txt", original);
    CQuandorDoc doc;
    QVERIFY(doc.OnOpenDocument(path));
    QTextCursor cursor(doc.TextDocument());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("line two\n\u20ac 12\n"));

    test::MessageSeen declined;
    test::AnswerNextMessage(&declined, QMessageBox::No);
    QVERIFY(!doc.DoFileSave());
    QVERIFY(declined.shown);
    QVERIFY(declined.text.contains(QStringLiteral("line 3")));
    QCOMPARE(ReadFile(path), original);
    QVERIFY(doc.IsModified());

    test::MessageSeen accepted;
    test::AnswerNextMessage(&accepted, QMessageBox::Yes);
    QVERIFY(doc.DoFileSave());
    QVERIFY(accepted.shown);
    QCOMPARE(ReadFile(path), QByteArray("price: 10\nline two\n? 12\n"));
  }

  void utf8ReportIsEditedAndSavedAsUtf8() {
    const QString path = WriteFile("donn\u00e9es.log",
                                   "Input: /data/donn\xc3\xa9"
                                   "es.dat\n");
    CQuandorDoc doc;
    QVERIFY(doc.OnOpenDocument(path));
    QCOMPARE(doc.PlainText(), QStringLiteral("Input: /data/donn\u00e9es.dat\n"));
    QTextCursor cursor(doc.TextDocument());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("\u20ac 12\n"));
    QVERIFY(doc.DoFileSave());  // every character has a UTF-8 form: no question
    QCOMPARE(ReadFile(path), QByteArray("Input: /data/donn\xc3\xa9"
                                        "es.dat\n\xe2\x82\xac 12\n"));
  }

  void failuresGiveTheLibrarysMessages() {
    CQuandorDoc doc;
    test::MessageSeen openFailure;
    test::AnswerNextMessage(&openFailure);
    QVERIFY(!doc.OnOpenDocument(m_dir->filePath("missing.log")));
    QCOMPARE(openFailure.text, QStringLiteral("Failed to open document."));
    QCOMPARE(openFailure.icon, QMessageBox::Critical);

    QVERIFY(doc.OnOpenDocument(WriteFile("ok.log", "x\n")));
    test::MessageSeen saveFailure;
    test::AnswerNextMessage(&saveFailure);
    QVERIFY(!doc.OnSaveDocument(m_dir->filePath("no/such/folder/x.log")));
    QCOMPARE(saveFailure.text, QStringLiteral("Failed to save document."));
  }

  void onlyARegularFileOpensAndNoneWaits() {
    // A pipe with no writer would hold the open; a device would never end.
    const QString fifo = m_dir->filePath("pipe.log");
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    for (const QString& path : {fifo, QStringLiteral("/dev/zero")}) {
      CQuandorDoc doc;
      test::MessageSeen seen;
      test::AnswerNextMessage(&seen);
      QVERIFY(!doc.OnOpenDocument(path));
      QCOMPARE(seen.text, QStringLiteral("Failed to open document."));
    }
  }

  void closingAChangedTextAsksToSave() {
    const QString path = WriteFile("ask.log", "a\n");
    CQuandorDoc doc;
    QVERIFY(doc.OnOpenDocument(path));
    QVERIFY(doc.SaveModified());  // unchanged: no question

    QTextCursor(doc.TextDocument()).insertText(QStringLiteral("b"));
    test::MessageSeen cancel;
    test::AnswerNextMessage(&cancel, QMessageBox::Cancel);
    QVERIFY(!doc.SaveModified());
    QCOMPARE(cancel.text, QStringLiteral("Save changes to %1?").arg(path));

    test::MessageSeen no;
    test::AnswerNextMessage(&no, QMessageBox::No);
    QVERIFY(doc.SaveModified());
    QCOMPARE(ReadFile(path), QByteArray("a\n"));

    test::MessageSeen yes;
    test::AnswerNextMessage(&yes, QMessageBox::Yes);
    QVERIFY(doc.SaveModified());
    QCOMPARE(ReadFile(path), QByteArray("ba\n"));
  }
};

}  // namespace kelvarin

QTEST_MAIN(kelvarin::TestQuandorDoc)
#include "test_quandordoc.moc"
