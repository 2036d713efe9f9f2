#include "shell/helpcomponents.h"

#include <QStringList>

namespace kvadus {

const QVector<HelpComponent>& helpComponents() {
  static const QVector<HelpComponent> table = [] {
    using H = HelpComponent;
    QVector<HelpComponent> t = {
        {H::Text, "konfigurace.txt", "MEMOPravidlaNahravani"},
        {H::Text, "pokec.txt", "MEMOPokec"},
        {H::Text, "podekovani.txt", "MEMOPodekovani"},
        {H::Text, "vyhodnocovani.txt", "MEMOPravidla"},
        {H::Text, "chyby.txt", "MEMOChyby"},
        {H::Text, "disk.txt", "MEMOPravidla", H::DiskWindow},
        {H::Text, "vytvuctu.txt", "MEMOUctenkaNapoveda", H::ResultsWindow},
        {H::Picture, "logo.bmp", "IMGLogo"},
        {H::Text, "pauzirak.txt", "MEMOPocitaniPauziraku"},
        {H::Text, "dokrize.txt", "MEMOPravidlaKrizovehoKvaduse"},
        {H::Text, "druhy.txt", "MEMODruhyKvaduse"},
    };
    const QStringList checks = {"poznamky.txt",    "107.gif",
                                "align.gif",       "align2.gif",
                                "betl.gif",        "cfg1.gif",
                                "disk.gif",        "disk2.gif",
                                "disk_start.gif",  "disk_vyber1.gif",
                                "disk_vyber2.gif", "disk_vyber3.gif",
                                "disk_vytv.gif",   "gr1.gif",
                                "gr2.gif",         "gr3.gif",
                                "hra1.gif",        "hra1_end.gif",
                                "hra2.gif",        "jmena.gif",
                                "jmena_clear.gif", "jmena_franta.gif",
                                "jmena_new.gif",   "jmena_start.gif",
                                "large.gif",       "list.gif",
                                "main.gif",        "main_start.gif",
                                "nast.GIF",        "next.gif",
                                "prev.gif",        "rozsirene.gif",
                                "tah_franta.gif",  "tah_franta_end.gif",
                                "tl_jmena.gif",    "zmena1.gif",
                                "zmena2.gif",      "zmena3.gif",
                                "zmena4.gif",      "zmena5.gif",
                                "zmena6.gif",      "zmena7.gif",
                                "disk.htm",        "grafika.htm",
                                "help.htm",        "hra.htm",
                                "konfig.htm",      "nova.htm",
                                "poradi.htm",      "trouble.htm",
                                "volic.htm"};
    for (const auto& f : checks) t.append({H::Check, f, QString()});
    t.append({H::End, QString(), QString()});
    return t;
  }();
  return table;
}

}  // namespace kvadus
