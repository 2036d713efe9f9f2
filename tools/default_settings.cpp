// zuzereru_default_settings FILE: writes the default settings text (the
// tariff as the program starts, the sample roster, every section) to FILE,
// as the program's own writer writes it. This is how nastaveni/auto.cfg is
// made; test_settingsfile checks the shipped file against the writer.

#include "common/textfile.h"
#include "settings/settingsfile.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
    return 2;
  }
  // The shipped file is written with '.' as the decimal mark.
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  const QStringList text = kvadus::settingsfile::writeSettings(kvadus::settingsfile::defaultValues(
      {QStringLiteral("Ja"), QStringLiteral("Franta"), QStringLiteral("Pepa"), QStringLiteral("Karel")}));
  const kvadus::TextFileWrite written =
      kvadus::writeTextFile(QString::fromLocal8Bit(argv[1]), text, kvadus::SaveMode::Overwrite);
  if (!written.ok) {
    std::fprintf(stderr, "%s\n", qPrintable(written.error));
    return 1;
  }
  return 0;
}
