// The extended point counting through the main window's controls, under the
// default tariff: the switch and its mirror, trumps and melds, the totals
// they select in "Uhrano" and "Proti", the price and the description.

#include "testsupport.h"

using namespace testsupport;

class TestExtendedWindow : public QObject {
  Q_OBJECT

  TFRMMain* m = nullptr;
  ScriptedPerson person;

  QString price() const { return m->EDITCelkemCena->text(); }
  QString description() const { return m->LABLTextoveVyjadreniHry->text(); }
  QPair<int, int> totals() const { return {m->RAGRUhrano->itemIndex(), m->RAGRProti->itemIndex()}; }
  void cards(int declarer, int defenders) {
    m->RAGRBodyVeHreUhrano->setItemIndex(declarer);
    m->RAGRBodyVeHreProti->setItemIndex(defenders);
  }
  bool shown() const { return !m->GRPBXHlasky->isHidden() && !m->RAGRBodyVeHreUhrano->isHidden(); }

 private slots:
  void init() {
    person.reset();
    freshWindows(true);
    m = FRMMain;
    startGame({"Ja", "Franta", "Pepa"});
  }
  void cleanup() { destroyWindows(); }

  void theSwitchAndItsMirror() {
    QCOMPARE(m->findChild<QCheckBox*>("CHBXHlaskyHlaska3Proti"), m->CHBXHlaskyHlaska3Proti);
    QCOMPARE(m->CHBXHlaskyHlaska3->text(), QString("zaludy"));
    QCOMPARE(m->RAGRTrumfy->itemIndex(), 2);
    QVERIFY(!shown() && m->CHBXHlaskyHlaska2->font().bold() && !m->CHBXHlaskyHlaska0->font().bold());
    m->CHBXRozsirenePocitaniBodu->setChecked(true);  // from the settings page
    QVERIFY(shown() && m->CKBXCervene->isHidden());
    QCOMPARE(m->BUTNRozsireneOvladani->text(), QString("<-"));
    m->BUTNRozsireneOvladani->click();
    QVERIFY(!shown() && !m->CHBXRozsirenePocitaniBodu->isChecked() && !m->CKBXCervene->isHidden());
    QCOMPARE(m->BUTNRozsireneOvladani->text(), QString("->"));
  }

  // Trumps "kule", the declarer's kule and cervene melds at 50 against 40;
  // a suit's meld belongs to one side.
  void meldsMakeASilentHundred() {
    m->BUTNRozsireneOvladani->click();
    cards(5, 4);
    m->CHBXHlaskyHlaska2->setChecked(true);
    m->CHBXHlaskyHlaska0->setChecked(true);
    QCOMPARE(totals(), qMakePair(11, 4));
    QCOMPARE(price(), QString(" +0.40"));  // silent hundred: 0.1 x 2 x 2
    QCOMPARE(description(), QString("Ja / kule : obycejna   [50+60,40]"));
    m->CHBXHlaskyHlaska0Proti->setChecked(true);
    QVERIFY(!m->CHBXHlaskyHlaska0->isChecked());
    QCOMPARE(totals(), qMakePair(9, 6));
    m->CHBXHlaskyHlaska0->setChecked(true);
    QVERIFY(!m->CHBXHlaskyHlaska0Proti->isChecked());
  }

  void declaredHundred() {
    m->BUTNRozsireneOvladani->click();
    m->RAGRPocitaniHlasekUStovky->setItemIndex(1);  // "pouze prvni"
    m->CKBXStovka->setChecked(true);
    cards(6, 3);
    m->CHBXHlaskyHlaska1->setChecked(true);
    QVERIFY(!m->CHBXTrumfovaHlaskaUhranaPrvni->isEnabled());
    m->CHBXHlaskyHlaska2->setChecked(true);  // the trump meld, first of two
    QVERIFY(m->CHBXTrumfovaHlaskaUhranaPrvni->isEnabled() && m->CHBXTrumfovaHlaskaUhranaPrvni->isChecked());
    QCOMPARE(totals().first, 10);  // 60 + 40; the second meld does not count
    QCOMPARE(price(), QString(" +0.20"));
    m->RAGRPocitaniHlasekUStovky->setItemIndex(0);  // a rule change shows at once
    QCOMPARE(totals().first, 12);
    m->CHBXTrumfovaHlaskaUhranaPrvni->setChecked(false);  // 60 + 20 first: 80
    QCOMPARE(totals().first, 6);
    QCOMPARE(price(), QString(" -1.60"));
    // 40 with one non-trump meld: no meld counts.
    m->CHBXHlaskyHlaska2->setChecked(false);
    cards(4, 5);
    QCOMPARE(totals(), qMakePair(4, 5));
  }

  // The mirror, where the defenders' first meld counts even when unticked.
  void hundredAgainst() {
    m->BUTNRozsireneOvladani->click();
    m->RAGRPocitaniHlasekUStovky->setItemIndex(1);
    m->CKBXStovkaProti->setChecked(true);
    cards(2, 7);
    QCOMPARE(totals(), qMakePair(2, 9));
    m->CKBXStovka->setChecked(true);
    cards(7, 2);
    QCOMPARE(totals(), qMakePair(7, 2));
  }

  void redTrumps() {
    m->BUTNRozsireneOvladani->click();
    cards(6, 3);
    m->RAGRTrumfy->setItemIndex(0);
    QVERIFY(m->CKBXCervene->isChecked());
    QCOMPARE(price(), QString(" +0.20"));  // the red factor
    QCOMPARE(description(), QString("Ja / cervene : obycejna   [60,30]"));
    QVERIFY(m->CHBXHlaskyHlaska0->font().bold() && !m->CHBXHlaskyHlaska2->font().bold());
    QCOMPARE(m->CHBXHlaskyHlaska0->palette().color(QPalette::WindowText),
             QApplication::palette().color(QPalette::Highlight));
    m->RAGRTypHry->setItemIndex(3);  // another kind of game keeps red trumps red
    QVERIFY(m->CKBXCervene->isChecked());
    m->RAGRTypHry->setItemIndex(0);
    m->CHBXHlaskyHlaska1->setChecked(true);
    QVERIFY(!m->BUTNPridejSkore->isHidden());
    m->BUTNPridejSkore->click();  // a fresh hand: no cards, no melds, default trumps
    QCOMPARE(tableRow(1).last(), QString("Ja / cervene : obycejna   [60+20,30]"));
    QVERIFY(!m->CHBXHlaskyHlaska1->isChecked() && !m->CKBXCervene->isChecked());
    QCOMPARE(m->RAGRTrumfy->itemIndex(), 2);
    QCOMPARE(m->RAGRBodyVeHreUhrano->itemIndex(), 0);
  }

  // Off, the points are the person's own: neither the hundred boxes, the
  // trumps nor the meld settings overwrite them with card points.
  void theBasicPointsStayTheirOwn() {
    cards(9, 0);
    m->CHBXHlaskyHlaska0->setChecked(true);
    points(6, 3);
    m->CKBXStovka->setChecked(true);
    m->CKBXStovkaProti->setChecked(true);
    m->RAGRTrumfy->setItemIndex(0);
    m->RAGRPocitaniHlasekUStovky->setItemIndex(2);
    QCOMPARE(totals(), qMakePair(6, 3));
    QVERIFY(!m->CKBXCervene->isChecked());
    // Switched on, the extended entry takes over, and trumps in red that the
    // red box does not show give way to the default ones.
    m->CKBXStovkaProti->setChecked(false);
    m->BUTNRozsireneOvladani->click();
    QCOMPARE(m->RAGRTrumfy->itemIndex(), 2);
    QCOMPARE(totals(), qMakePair(11, 0));
  }

  // A quick item describes the whole hand: it switches the extended entry
  // off, so the item's points stand and the description shows them.
  void aQuickItemSwitchesItOff() {
    m->BUTNRozsireneOvladani->click();
    cards(5, 4);
    m->CHBXHlaskyHlaska2->setChecked(true);
    m->RAGRStovka->setItemIndex(0);  // the first item of the won "100" group
    QVERIFY(!shown() && !m->CHBXRozsirenePocitaniBodu->isChecked() && !m->CKBXCervene->isHidden());
    QVERIFY(m->CKBXStovka->isChecked());
    QVERIFY(!description().contains(QStringLiteral("kule")));
    QCOMPARE(m->RAGRStovka->itemIndex(), 0);
  }

  // The quick panel's red boxes under the extended entry: ticked, the
  // trumps turn red and the melds count at their new worth; unticked, the
  // default trumps come back.
  void theRedBoxesMoveTheTrumps() {
    m->BUTNRozsireneOvladani->click();
    cards(5, 4);
    m->CHBXHlaskyHlaska0->setChecked(true);  // the cervene meld: 20 while kule are trumps
    QCOMPARE(totals(), qMakePair(7, 4));
    m->CHBXCerveneVpravo->click();
    QCOMPARE(m->RAGRTrumfy->itemIndex(), 0);
    QCOMPARE(totals(), qMakePair(9, 4));  // now the trump meld: 40
    m->CHBXCerveneVlevo->click();
    QVERIFY(!m->CKBXCervene->isChecked());
    QCOMPARE(m->RAGRTrumfy->itemIndex(), 2);
    QCOMPARE(totals(), qMakePair(7, 4));
  }
};

QTEST_MAIN(TestExtendedWindow)
#include "test_extended_window.moc"
