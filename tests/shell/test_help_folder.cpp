// The shipped help folder: every component is there, each missing one stops
// the start, texts are plain ASCII and the pages link only to what exists.

#include "shell/helpcomponents.h"
#include "testsupport.h"

#include <QRegularExpression>

using kvadus::HelpComponent;
using testsupport::ScriptedPerson;
using testsupport::WorkingFolder;

class TestHelpFolder : public QObject {
  Q_OBJECT

 private slots:
  void everyComponentIsShipped() {
    const auto& table = kvadus::helpComponents();
    QCOMPARE(table.size(), 63);  // 62 components and the end
    QCOMPARE(table.last().kind, HelpComponent::End);
    for (const auto& c : table)
      if (c.kind != HelpComponent::End)
        QVERIFY2(QFileInfo::exists(ZUZ_SOURCE_ROOT "/help/" + c.file), qPrintable(c.file));
  }

  void eachMissingCheckFileStopsTheStart_data() {
    QTest::addColumn<QString>("file");
    for (const auto& c : kvadus::helpComponents())
      if (c.kind == HelpComponent::Check) QTest::newRow(qPrintable(c.file)) << c.file;
  }
  void eachMissingCheckFileStopsTheStart() {
    QFETCH(QString, file);
    WorkingFolder folder;
    QVERIFY(QFile::remove(folder.path("help/" + file)));
    ScriptedPerson person;
    createWindows();
    const bool loaded = FRMMain->loadHelpComponents();
    destroyWindows();
    QVERIFY(!loaded);
    QCOMPARE(person.texts(), QStringList({"Soubor " + QDir::toNativeSeparators("help/" + file) + " neexistuje."}));
  }

  // Texts are plain ASCII, say something, and pages link only to shipped files.
  void textsAndLinks() {
    QDir help(QStringLiteral(ZUZ_SOURCE_ROOT "/help"));
    const QRegularExpression ref(QStringLiteral("(?:href|src)=\"([^\"#]*)(#[^\"]*)?\""),
                                 QRegularExpression::CaseInsensitiveOption);
    const QStringList files = help.entryList({"*.txt", "*.htm"}, QDir::Files);
    QVERIFY(files.size() >= 20);
    for (const QString& name : files) {
      QFile f(help.filePath(name));
      QVERIFY(f.open(QIODevice::ReadOnly));
      const QByteArray bytes = f.readAll();
      for (char ch : bytes) QVERIFY2(static_cast<unsigned char>(ch) < 128, qPrintable(name + " is not plain ASCII"));
      QVERIFY2(bytes.trimmed().size() > 200, qPrintable(name + " says almost nothing"));
      auto it = ref.globalMatch(QString::fromLatin1(bytes));
      while (it.hasNext()) {
        const QString target = it.next().captured(1);
        if (target.isEmpty()) continue;  // an anchor on the same page
        QVERIFY2(!target.contains(':'), qPrintable(name + " links outside: " + target));
        QVERIFY2(help.exists(target), qPrintable(name + " links to a missing " + target));
      }
    }
  }
};

QTEST_MAIN(TestHelpFolder)
#include "test_help_folder.moc"
