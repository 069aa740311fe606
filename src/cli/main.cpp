// quilvane-cli: every output of Quilvane without a window.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "app/program_identity.h"
#include "app/qt_notices.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/interrupt.h"
#include "data/error.h"

namespace qv::cli {
namespace {

constexpr const char* kFileHelp =
    "DATEI ist eine GEDCOM-Datei (.ged) oder eine Verschwisterungsliste (.txt, deren Person #0\n"
    "die Wurzel ist, wo --root fehlt); --example nimmt die eingebaute Beispielfamilie.\n"
    "PERSON ist eine GEDCOM-Kennung wie I12 oder #N für den Personenindex N.\n";

void PrintOverview()
{
    std::cout << "Aufruf: quilvane-cli BEFEHL [OPTIONEN]\n\nBefehle:\n";
    for (const Command& c : Commands()) std::cout << "  " << c.name << "\t" << c.summary << '\n';
    std::cout << "\n" << kFileHelp << "quilvane-cli BEFEHL --help zeigt die Optionen eines Befehls.\n";
    std::cout << "quilvane-cli --version zeigt die Version.\n";
}

void PrintUsage(const Command& command, std::ostream& out)
{
    out << "Aufruf: quilvane-cli " << command.usage << '\n' << kFileHelp;
}

bool WantsHelp(const std::vector<std::string>& args)
{
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") return true;
    return false;
}

int Run(const std::vector<std::string>& args)
{
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintOverview();
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "--version") {
        std::cout << "quilvane-cli (Quilvane) " << ProgramVersion() << '\n';
        return 0;
    }
    for (const Command& command : Commands()) {
        if (args[0] != command.name) continue;
        std::vector<std::string> rest(args.begin() + 1, args.end());
        if (WantsHelp(rest)) {
            PrintUsage(command, std::cout);
            return 0;
        }
        try {
            return command.run(rest);
        } catch (const UsageError& e) {
            std::cerr << "quilvane-cli " << command.name << ": " << e.what() << '\n';
            PrintUsage(command, std::cerr);
            return 2;
        }
    }
    std::cerr << "quilvane-cli: unbekannter Befehl: " << args[0] << '\n';
    PrintOverview();
    return 2;
}

}  // namespace

const std::vector<Command>& Commands()
{
    static const std::vector<Command> commands = {
        {"info", "Personen, Familien, Zeichensatz und Warnungen einer Datei",
         "info (DATEI | --example) [--json]", RunInfo},
        {"persons", "die Personenliste, gefiltert und sortiert wie im Hauptfenster",
         "persons (DATEI | --example) [--filter SPALTE=TEXT]... [--sort SPALTE]... [--json]\n"
         "SPALTE: Ident.-Nr., Nachname, Vorname, Geburtsdatum, Geburtsort, Sterbedatum,\n"
         "Sterbeort (oder id, surname, given, birthdate, birthplace, deathdate, deathplace).\n"
         "Jedes --sort wirkt wie ein Klick auf den Sortierknopf der Spalte (nur die ersten drei).",
         RunPersons},
        {"kekule", "alle Vorfahren einer Person mit ihren Kekule-Nummern",
         "kekule (DATEI | --example) --root PERSON [--json]", RunKekule},
        {"config", "die geltenden Einstellungen in der Form von config.ini",
         "config [--config DATEI] [--set SCHLÜSSEL=WERT]...\n"
         "--config liest eine Einstellungsdatei (Form von config.ini), jedes --set setzt\n"
         "danach einen Schlüssel wie eine Zeile der Datei; eine Liste ersetzt das erste --set\n"
         "ihres Schlüssels.",
         RunConfig},
        {"select", "die Auswahlliste, die Verwandtschaftsabfragen füllen",
         "select (DATEI | --example) --query NAME --from PERSON,... [--json]\n"
         "        quilvane-cli select (DATEI | --example)\n"
         "            (--select PERSON,... | --query NAME:PERSON,...)... [--json]\n"
         "NAME: markierte, vorfahren, nachfahren, spitzenahnen, blutsverwandte, x-vorfahren,\n"
         "x-nachfahren, x-verwandte. Mehrere --select/--query ergänzen die Liste in ihrer\n"
         "Reihenfolge.",
         RunSelect},
        {"metrics", "Kennwerte je Person (Pfadzahlen, Implex, f, fw, fx, c …)",
         "metrics (DATEI | --example) --root PERSON [--kekule-one PERSON] [--person PERSON]...\n"
         "        [--names NAME,...] [--json]\n"
         "NAME: einer der 60 Kennwerte (gb, gbs, z, b, g'b, g''b, je auch mit (d), (s), x1, x1(d),\n"
         "x1(s), x2, x2(d), x2(s); kmin, f, fw, fx, c, gc) oder kekule-min; ohne --names alle.\n"
         "Ohne --person alle Personen mit einem Wert. Strg+C bricht ab (Status 130).",
         RunMetrics},
        {"generations", "Kennwerte je Generation (ik, apk, a'tk(v), ntk …)",
         "generations (DATEI | --example) --root PERSON [--json]\n"
         "Eine Zeile je Generation, von den Nachkommen bis zu den Vorfahren. Strg+C bricht ab\n"
         "(Status 130).",
         RunGenerations},
        {"siblings", "die Verschwisterungsliste eines Probanden (Text, HTML, .xlsx, .docx)",
         "siblings (DATEI | --example) [--root PERSON] -o AUSGABE", RunSiblings},
        {"table", "Kennwert-Tabelle der ausgewählten Personen oder der Generationen",
         "table persons (DATEI | --example) [--root PERSON] [--kekule-one PERSON]\n"
         "            (--select PERSON,... | --query NAME:PERSON,...)...\n"
         "            [--config DATEI] [--set SCHLÜSSEL=WERT]... -o AUSGABE\n"
         "        quilvane-cli table generations (DATEI | --example) [--root PERSON]\n"
         "            [--config DATEI] [--set SCHLÜSSEL=WERT]... -o AUSGABE\n"
         "AUSGABE: .html, .htm, .xlsx oder .docx. Die Spalten stehen in den Blöcken\n"
         "TABLE_CAPTIONS und TABLE_GEN_CAPTIONS der Einstellungsdatei.",
         RunTable},
        {"chart",
         "Ahnentafel/Ostrelle, Kreisahnentafel, Dreiecksdiagramm oder Häufigkeitsdiagramm",
         "chart tree (DATEI | --example) --root PERSON [--kekule-one PERSON]\n"
         "            [--select PERSON,... | --query NAME:PERSON,...]...\n"
         "            [--config DATEI] [--set SCHLÜSSEL=WERT]... [--interactive] -o AUSGABE\n"
         "        quilvane-cli chart circle (DATEI | --example) --root PERSON\n"
         "            [--config DATEI] [--set SCHLÜSSEL=WERT]... -o AUSGABE\n"
         "        quilvane-cli chart triangle (DATEI | --example) --root PERSON\n"
         "            [--kekule-one PERSON] [--select PERSON,... | --query NAME:PERSON,...]...\n"
         "            [--config DATEI] [--set SCHLÜSSEL=WERT]... -o AUSGABE\n"
         "AUSGABE: .png, .bmp, .svg, .pdf, .html oder .htm. Baumtyp, Richtung, Beschriftung und\n"
         "die übrigen Einstellungen (AT_… für tree, KT_… für circle, DD_… für triangle, NODE_…,\n"
         "FONT_…) kommen aus --config und --set. --interactive schreibt den Baum als .svg oder\n"
         ".html/.htm mit Skript: Vorfahren auf- und zuklappen, Hinweisfenster, Kontextmenü\n"
         "\"auf Heiratskreise reduzieren\".\n"
         "        quilvane-cli chart frequency (DATEI | --example) --root PERSON\n"
         "            (--select PERSON,... | --query NAME:PERSON,...)...\n"
         "            [--config DATEI] [--set DG_VALUE=N]... -o AUSGABE\n"
         "Das Diagramm zeigt, wie oft jede ausgewählte Person je Generation vorkommt, mit einer\n"
         "angepassten Normalverteilung. AUSGABE: .xlsx (Tabellen und Diagramm), .png, .svg oder\n"
         ".pdf. DG_VALUE 0..8 wählt gb(d), gbx1(d), gbx2(d), gb, gbx1, gbx2, gb(s), gbx1(s),\n"
         "gbx2(s). Strg+C bricht ab (Status 130).",
         RunChart},
        {"webgl", "die 3D-Ansicht der Vorfahren eines Probanden als WebGL-Seite",
         "webgl (DATEI | --example) --root PERSON [--type 1|2] -o AUSGABE\n"
         "--type 1 (Vorgabe) ist \"Kreis/Kegel\", 2 \"rechtwinklige Linien\". AUSGABE: .html oder .htm.",
         RunWebGl},
        {"details",
         "die Details einer Person als RTF oder das Bild der Linie zu einer Kekule-Nummer",
         "details (DATEI | --example) --person PERSON [--root PERSON] [--kekule-one PERSON]\n"
         "            [--detailed] -o AUSGABE.rtf\n"
         "        quilvane-cli details (DATEI | --example) --person PERSON [--root PERSON]\n"
         "            [--kekule-one PERSON] --kekule-picture N -o AUSGABE\n"
         "Die Werte zählen von der Kekule-Nr. 1 (--kekule-one, sonst --root); --detailed nimmt\n"
         "alle Pfadzahl-Kennwerte auf (kann sehr lange dauern). --kekule-picture zeichnet die\n"
         "Linie von der Kekule-Nr. 1 zum Vorfahren N der Person als .png oder .bmp.",
         RunDetails},
    };
    return commands;
}

}  // namespace qv::cli

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    qv::SilenceQtNoise();
    qv::cli::InstallTerminationHandlers();
    try {
        return qv::cli::Run(args);
    } catch (const qv::Error& e) {
        std::cerr << "quilvane-cli: " << e.what() << '\n';
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "quilvane-cli: " << e.what() << '\n';
        return 1;
    }
}
