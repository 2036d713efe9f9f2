// Describing a hand through the main window's controls: the price, the
// shares, the description, the points check, fleks and the cross variant.

#include "testsupport.h"

using namespace testsupport;

class TestEntryWindow : public QObject {
  Q_OBJECT

  TFRMMain* m = nullptr;
  ScriptedPerson person;

  QStringList shares() const {
    return {m->LABLScoreCelkom->text(), m->LABLCenaProProtihrace->text(), m->LABLPauzirujiciCelkem->text()};
  }
  void fleks(int count) {
    for (int i = 0; i < count; ++i) m->UPDNHraFlekCount->stepUp();
  }
  QString price() const { return m->EDITCelkemCena->text(); }
  // A person enters a settings field, types and leaves it.
  void type(QLineEdit* field, const QString& text) {
    m->BUTNKontrolaBeforeClick(field);
    field->setText(text);
    m->BUTNKontrolaCislaClick();
  }
  QString description() const { return m->LABLTextoveVyjadreniHry->text(); }

 private slots:
  void init() {
    person.reset();
    freshWindows(true);
    m = FRMMain;
  }
  void cleanup() { destroyWindows(); }

  void ordinaryGameWonAndLost_data() { localeRows(); }
  void ordinaryGameWonAndLost() {
    useRowLocale();
    startGame({"Ja", "Franta", "Pepa"});
    points(6, 3);
    QCOMPARE(price(), local(" +0#10"));
    QCOMPARE(shares(), QStringList({local(" +0#20"), local(" -0#10"), local(" 0#00")}));
    QCOMPARE(m->LABLVolic->text(), QString("vynosce:"));
    QVERIFY(!m->LABLPauzirujiciCelkem->isEnabled());
    QCOMPARE(description(), QString("Ja : obycejna   [60,30]"));
    points(5, 5);  // a tie loses
    QCOMPARE(price(), local(" -0#10"));
  }

  void pointsCheckHidesPridat() {
    startGame({"A", "B", "C"});
    const QList<std::tuple<int, int, QString>> cases = {
        {4, 4, "min. 90 !"}, {10, 10, "max. 190 !"}, {5, 5, "lichy !"}, {5, 4, ""}};
    for (const auto& [u, p, warning] : cases) {
      points(u, p);
      QCOMPARE(m->LABLPocetBoduVeHre3->isHidden() ? QString() : m->LABLPocetBoduVeHre3->text(), warning);
      QCOMPARE(m->BUTNPridejSkore->isHidden(), !warning.isEmpty());
      QCOMPARE(m->BUTNPridatDolni->isEnabled(), warning.isEmpty());
    }
    m->CHKBXKontrolovatPocetBoduLiche->setChecked(false);
    points(5, 5);
    QVERIFY(!m->BUTNPridejSkore->isHidden());
  }

  void redWithOneFlek() {
    startGame({"Ja", "Franta", "Pepa"});
    points(6, 3);
    m->CKBXCervene->setChecked(true);
    fleks(1);
    QCOMPARE(m->EDITFlekHraVal->text(), QString("2"));
    QVERIFY(m->LIBXFlekHraAbbrev->item(1)->isSelected());
    QCOMPARE(price(), QString(" +0.40"));
    QCOMPARE(description(), QString("Ja : obycejna  ,rude [60,30]"));
    // A click in the list of counts sets the count at once.
    m->LIBXFlekHraValues->setCurrentRow(3);
    m->LIBXFlekHraValuesClick();
    QCOMPARE(price(), QString(" +1.60"));
    QCOMPARE(m->LABLPoctyVeHre->text(), QString("obycejna  ,rude,3x hra [60,30]"));
  }

  void sevenWithFleksAndItsDescription() {
    startGame({"Ja", "Franta", "Pepa"});
    points(6, 3);
    m->CKBXSedma->setChecked(true);
    QVERIFY(!m->CHBXSedmaProti->isEnabled() && !m->LIBXFlekSedmaValues->isHidden());
    QCOMPARE(price(), QString(" -0.10"));  // seven lost, game won
    fleks(2);
    m->CHBXUhranaSedmaVolicem->setChecked(true);
    QCOMPARE(description(), QString("Ja : obycejna  ,7,2x hra [60,30,7 uhrana]"));
    QCOMPARE(price(), QString(" +0.60"));
    m->CHBXUhranaSedmaProti->setChecked(true);  // the two results exclude each other
    QVERIFY(!m->CHBXUhranaSedmaVolicem->isChecked());
    m->CKBXSedma->setChecked(false);
    QVERIFY(m->CHBXSedmaProti->isEnabled() && m->LIBXFlekSedmaValues->isHidden());
  }

  void hundredBetlAndDurch() {
    startGame({"Ja", "Franta", "Pepa"}, 1);
    m->CHBXVNazvuHryZobrazovatJmena->setChecked(false);
    m->CKBXStovka->setChecked(true);
    QVERIFY(!m->CKBXStovkaProti->isEnabled());
    points(10, 9);
    QCOMPARE(price(), QString(" +0.20"));
    points(8, 3);
    QCOMPARE(price(), QString(" -1.60"));

    m->RAGRTypHry->setItemIndex(1);
    QVERIFY(m->GRPBXUhrano->isHidden() && m->GRBXAtributyHry->isHidden() && !m->RAGRVyhra->isHidden());
    m->RAGRVyhra->setItemIndex(1);
    QCOMPARE(price(), QString(" -0.50"));
    QCOMPARE(description(), QString(" 2 : betl [prohrany]"));
    QVERIFY(!m->BUTNPridejSkore->isHidden());  // no points check for a betl

    m->RAGRTypHry->setItemIndex(2);  // durch lost with two fleks
    fleks(2);
    QCOMPARE(price(), QString(" -4.00"));
    QCOMPARE(m->LABLPoctyVeHre->text(), QString("durch, 2x flek [prohrany]"));
  }

  void twoSevens() {
    startGame({"A", "B", "C"});
    m->RAGRTypHry->setItemIndex(3);
    QVERIFY(m->CKBXSedma->isChecked() && !m->CKBXSedma->isEnabled());
    QVERIFY(m->CHBXSedmaProti->isHidden() && m->LIBXFlekHraValues->isHidden());
    points(6, 3);
    m->CHBXUhranaSedmaVolicem->setChecked(true);
    QCOMPARE(price(), QString(" +3.00"));
    m->CKBXCervene->setChecked(true);
    QCOMPARE(price(), QString(" +5.00"));
    m->CKBXStovka->setChecked(true);
    QVERIFY(!m->LIBXFlekHraValues->isHidden());
    m->CHBXDveSedmyAStovka->setChecked(false);  // the hundred boxes go away
    QVERIFY(m->CKBXStovka->isHidden() && !m->CKBXStovka->isChecked());
  }

  void flekWarningAtForty() {
    startGame({"A", "B", "C"});
    m->applyNumericValue(m->EDITNasobeniFleku, "1");
    QCOMPARE(m->UPDNHraFlekCount->maximum(), 40);
    m->UPDNHraFlekCount->setPosition(38);
    fleks(1);
    QVERIFY(person.shown.isEmpty());
    fleks(1);  // reaching 40 warns
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(person.shown[0].caption, QString("Varovani"));
    QCOMPARE(m->EDITFlekHraCount->text(), QString("40"));
    fleks(2);
    QCOMPARE(person.shown.size(), 3);  // once per press
    m->UPDNHraFlekCount->stepDown();   // going down never warns
    QCOMPARE(person.shown.size(), 3);
  }

  void fourPlayersSharing() {
    startGame({"A", "B", "C", "D"});
    m->RAGRPocitaniPauziraku->setItemIndex(0);  // "s vitezem"
    m->CKBXCervene->setChecked(true);
    points(6, 3);
    fleks(1);
    QCOMPARE(price(), QString(" +0.40"));
    QCOMPARE(shares(), QStringList({" +0.80", " -0.80", " +0.80"}));
    QVERIFY(m->LABLPauzirujiciCelkem->isEnabled());
    m->RAGRPocitaniPauziraku->setItemIndex(1);  // "s porazenymi"
    QCOMPARE(shares(), QStringList({" +1.20", " -0.40", " -0.40"}));
  }

  void crossVariant() {
    startGame({"A", "B", "C", "D"}, 3);
    QVERIFY(m->GRPBXKrizovyKvadus->isHidden());
    m->RAGRPocitaniPauziraku->setItemIndex(3);
    QVERIFY(!m->GRPBXKrizovyKvadus->isHidden());
    // The declarer is last: the first switch names the first player.
    QCOMPARE(m->CHBXKrizovyKvadusVolicS1->text(), QString("A"));
    QCOMPARE(m->CHBXKrizovyKvadusVolicS3->text(), QString("C"));
    m->CHBXOpravyHodnot->setChecked(true);
    m->EDITCelkemCena->setText("0.50");  // a price typed by hand is split at once
    QCOMPARE(shares(), QStringList({" +1.50", " -0.50", " 0.00"}));

    m->CHBXKrizovyKvadusVolicS1->setChecked(true);
    m->CHBXKrizovyKvadusVolicS3->setChecked(true);
    QVERIFY(!m->CHBXKrizovyKvadusVolicS1->isChecked());
    QCOMPARE(m->LABLVolic->text(), QString("vyn.+kriz:"));
    QCOMPARE(m->crossPartner(), 3);
    QCOMPARE(shares(), QStringList({" +0.50", " -0.50", " 0.00"}));  // "jen jednomu"
    m->RAGRPocitaniKrizoveho->setItemIndex(1);                       // "obema protihracum"
    m->EDITCelkemCena->setText("0.50");
    QCOMPARE(shares(), QStringList({" +1.00", " -1.00", " 0.00"}));
    // The heading follows the partner when the variant goes off and on again.
    m->RAGRPocitaniPauziraku->setItemIndex(2);
    QCOMPARE(m->LABLVolic->text(), QString("vynosce:"));
    m->RAGRPocitaniPauziraku->setItemIndex(3);
    QCOMPARE(m->LABLVolic->text(), QString("vyn.+kriz:"));
    m->CHBXKrizovyKvadusVolicS3->setChecked(false);
    QCOMPARE(m->LABLVolic->text(), QString("vynosce:"));

    // Another declarer clears the partner.
    m->CHBXKrizovyKvadusVolicS2->setChecked(true);
    m->selectDeclarer(0);
    m->LIBXHraciClick();
    QVERIFY(!m->CHBXKrizovyKvadusVolicS2->isChecked());
    QCOMPARE(m->CHBXKrizovyKvadusVolicS1->text(), QString("B"));

    startGame({"A", "B", "C", "D", "E"});  // five players: no cross game
    QVERIFY(m->GRPBXKrizovyKvadus->isHidden());
  }

  void tinyFlekMultipliersReadBackRight() {
    // 0.5 to the 15th is 0.0000305...; written with an exponent it would be
    // read back as 3.05 and price the hand at +0.31.
    startGame({"A", "B", "C"});
    m->applyNumericValue(m->EDITNasobeniFleku, "0.5");
    points(6, 3);
    fleks(15);
    QCOMPARE(m->EDITFlekHraVal->text(), QString("0.000030517578125"));
    QCOMPARE(price(), QString(" 0.00"));
  }

  void theDeclarerCannotBeClickedAway() {
    startGame({"A", "B", "C"}, 1);
    QListWidget* list = m->LIBXHraci;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, list->viewport()->height() - 3));
    QCOMPARE(m->declarerIndex(), 1);  // a click under the last name
    clickRow(list, 1, Qt::ControlModifier);
    QCOMPARE(m->declarerIndex(), 1);
    QVERIFY(m->BUTNPridejSkore->isEnabled());
    // A click on the declarer himself still clears the partner.
    m->RAGRPocitaniPauziraku->setItemIndex(3);
    startGame({"A", "B", "C", "D"}, 1);
    m->CHBXKrizovyKvadusVolicS1->setChecked(true);
    clickRow(list, 1);
    QVERIFY(!m->CHBXKrizovyKvadusVolicS1->isChecked());
  }

  void descriptionSwitchedOff() {
    startGame({"A", "B", "C"});
    points(6, 3);
    m->CKBXZobrazovatDruhyHer->setChecked(false);
    QVERIFY(m->LABLTextoveVyjadreniHry->isHidden());
    points(7, 2);
    QCOMPARE(m->LABLPoctyVeHre->text(), QString("obycejna   [60,30]"));  // the old text stays
  }

  // With two players "Pridat" is off while the price is corrected, and back
  // as soon as the corrected price is left.
  void pridatReturnsAfterACorrectedPriceWithTwoPlayers() {
    startGame({"A", "B"});
    points(6, 3);
    m->CHBXOpravyHodnot->setChecked(true);
    m->BUTNKontrolaBeforeClick(m->EDITCelkemCena);
    QVERIFY(!m->BUTNPridejSkore->isEnabled());
    m->EDITCelkemCena->setText("1.5");
    m->BUTNKontrolaCislaClick();
    QVERIFY(m->BUTNPridejSkore->isEnabled());
    QVERIFY(!m->BUTNPridejSkore->isHidden());
    QCOMPARE(price(), QString("1.5"));  // a valid price is left as typed
  }

  // A new flek factor carries the chosen fleks: multipliers follow it, and
  // counts above its limit come down to it.
  void aNewFlekFactorCarriesTheFleks() {
    startGame({"A", "B", "C"});
    points(6, 3);
    fleks(2);
    QCOMPARE(price(), QString(" +0.40"));
    type(m->EDITNasobeniFleku, "3");
    QCOMPARE(m->EDITFlekHraVal->text(), QString("9"));
    QCOMPARE(price(), QString(" +0.90"));
    fleks(20);  // up to the limit of 13
    QCOMPARE(m->EDITFlekHraCount->text(), QString("13"));
    type(m->EDITNasobeniFleku, "4");
    QCOMPARE(m->UPDNHraFlekCount->maximum(), 10);
    QCOMPARE(m->EDITFlekHraCount->text(), QString("10"));
    QCOMPARE(m->EDITFlekHraVal->text(), QString("1048576"));
    QCOMPARE(m->LIBXFlekHraValues->currentRow(), -1);  // beyond the named counts
    QCOMPARE(price(), QString(" +104857.60"));
    type(m->EDITNasobeniFleku, "2");
    QCOMPARE(m->EDITFlekHraCount->text(), QString("10"));
    QCOMPARE(price(), QString(" +102.40"));
  }

  // A price beyond what the program books shows a warning, never "inf".
  void aPriceBeyondTheLimit() {
    startGame({"A", "B", "C"});
    type(m->EDITFaktorNadStoNasobit, "1000000");
    points(19, 0);
    QCOMPARE(price(), QString(" 0.00"));
    QCOMPARE(shares(), QStringList({" 0.00", " 0.00", " 0.00"}));
    QCOMPARE(m->LABLPocetBoduVeHre3->text(), QString("cena mimo rozsah !"));
    QVERIFY(!m->LABLPocetBoduVeHre3->isHidden() && m->LABLPocetBoduVeHre1->isHidden());
    QVERIFY(m->BUTNPridejSkore->isHidden());
    QVERIFY(!m->BUTNPridatDolni->isEnabled());
    points(10, 9);  // one ten over a hundred: 0.1 x 1000000 is a price
    QCOMPARE(price(), QString(" +100000.00"));
    QVERIFY(m->LABLPocetBoduVeHre3->isHidden() && !m->BUTNPridejSkore->isHidden());
  }
};

QTEST_MAIN(TestEntryWindow)
#include "test_entry_window.moc"
