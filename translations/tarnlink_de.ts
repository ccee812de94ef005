<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Barcode</name>
    <message>
        <source>the barcode library is out of memory</source>
        <translation>der Barcode-Bibliothek fehlt Arbeitsspeicher</translation>
    </message>
</context>
<context>
    <name>ChangedPlan</name>
    <message>
        <source>The scale does not hold what Tarnlink last sent it: reading its table</source>
        <translation>Die Waage hat nicht, was Tarnlink zuletzt sandte: ihre Tabelle wird gelesen</translation>
    </message>
    <message>
        <source>Nothing to send: the scale&apos;s table, read now, holds this table</source>
        <translation>Nichts zu senden: die eben gelesene Tabelle der Waage entspricht dieser Tabelle</translation>
    </message>
    <message>
        <source>The store cannot vouch for this scale: %1</source>
        <extracomment>%1: why the store&apos;s word is doubted, in the store&apos;s words</extracomment>
        <translation>Der Speicher ist für diese Waage nicht verlässlich: %1</translation>
    </message>
    <message>
        <source>Nothing to send: the scale holds this table</source>
        <translation>Nichts zu senden: die Waage hat diese Tabelle</translation>
    </message>
    <message>
        <source>Checking what the scale holds: its record %1 is not as Tarnlink sent it</source>
        <translation>Prüfung der Waage: ihr Datensatz %1 ist nicht so, wie Tarnlink ihn sandte</translation>
    </message>
    <message>
        <source>Checking what the scale holds: asked for record %1, it sent record %2</source>
        <translation>Prüfung der Waage: Datensatz %1 angefragt, Datensatz %2 erhalten</translation>
    </message>
    <message>
        <source>Checking what the scale holds: its record %1 is missing</source>
        <translation>Prüfung der Waage: ihr Datensatz %1 fehlt</translation>
    </message>
    <message>
        <source>Checking what the scale holds: its slot %1 is empty</source>
        <translation>Prüfung der Waage: ihr Platz %1 ist leer</translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>When the scale&apos;s whole table was last read: never</extracomment>
        <translation>nie</translation>
    </message>
    <message>
        <source>Nothing to send: 1 record read back agrees with what Tarnlink sent; whole table last read %1</source>
        <extracomment>%1: when the whole table was last read (&quot;today 14:02&quot;, &quot;never&quot;)</extracomment>
        <translation>Nichts zu senden: 1 zurückgelesener Datensatz stimmt mit dem Gesendeten überein; ganze Tabelle zuletzt gelesen: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to send: %n records read back agree with what Tarnlink sent; whole table last read %1</source>
        <extracomment>%1: when the whole table was last read (&quot;today 14:02&quot;, &quot;never&quot;)</extracomment>
        <translation>
            <numerusform>Nichts zu senden: %n zurückgelesener Datensatz stimmt mit dem Gesendeten überein; ganze Tabelle zuletzt gelesen: %1</numerusform>
            <numerusform>Nichts zu senden: %n zurückgelesene Datensätze stimmen mit dem Gesendeten überein; ganze Tabelle zuletzt gelesen: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>today %1</source>
        <extracomment>%1: a time of day, &quot;14:02&quot;</extracomment>
        <translation>heute %1</translation>
    </message>
    <message>
        <source>yesterday %1</source>
        <extracomment>%1: a time of day, &quot;09:10&quot;</extracomment>
        <translation>gestern %1</translation>
    </message>
    <message>
        <source>Nothing to send: the scale held this table when last checked (%1)</source>
        <extracomment>%1: when it was last checked (&quot;today 14:02&quot;, &quot;yesterday 09:10&quot;, &quot;2026-12-03 14:02&quot;)</extracomment>
        <translation>Nichts zu senden: die Waage hatte diese Tabelle bei der letzten Prüfung (%1)</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to send; the scale also holds %n records this table does not have (Compare lists them)</source>
        <translation>
            <numerusform>Nichts zu senden; die Waage hat noch %n Datensatz, den diese Tabelle nicht hat (Vergleichen zeigt ihn)</numerusform>
            <numerusform>Nichts zu senden; die Waage hat noch %n Datensätze, die diese Tabelle nicht hat (Vergleichen zeigt sie)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent; the scale also holds %n records this table does not have (Compare lists them)</source>
        <translation>
            <numerusform>Gesendet; die Waage hat noch %n Datensatz, den diese Tabelle nicht hat (Vergleichen zeigt ihn)</numerusform>
            <numerusform>Gesendet; die Waage hat noch %n Datensätze, die diese Tabelle nicht hat (Vergleichen zeigt sie)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>--port &quot;%1&quot;: %2</source>
        <translation>--port &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>--port %1 is given twice</source>
        <translation>--port %1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>--port %1 and --port %2 are one port: %3</source>
        <translation>--port %1 und --port %2 sind derselbe Anschluss: %3</translation>
    </message>
    <message>
        <source>%1 needs a port: give --port PORT, or name the scale to use in %2 (&quot;port = NAME&quot;)</source>
        <translation>%1 braucht einen Anschluss: geben Sie --port PORT an oder nennen Sie die Waage in %2 (&quot;port = NAME&quot;)</translation>
    </message>
    <message>
        <source>--format is text, csv or json, not %1</source>
        <translation>--format ist text, csv oder json, nicht %1</translation>
    </message>
    <message>
        <source>%1 needs plu|ingred and %2</source>
        <translation>%1 braucht plu|ingred und %2</translation>
    </message>
    <message>
        <source>%1 needs plu|ingred, %2 and %3</source>
        <translation>%1 braucht plu|ingred, %2 und %3</translation>
    </message>
    <message>
        <source>%1 needs plu|ingred, %2, %3 and %4</source>
        <translation>%1 braucht plu|ingred, %2, %3 und %4</translation>
    </message>
    <message>
        <source>%1: the table is plu or ingred, not %2</source>
        <translation>%1: die Tabelle ist plu oder ingred, nicht %2</translation>
    </message>
    <message>
        <source>%1: %2 tables are kept in .%2 files and .XLS, .XLSX, .ODS, .FODS, .CSV or .TXT spreadsheets</source>
        <translation>%1: %2-Tabellen liegen in .%2-Dateien und Kalkulationstabellen (.XLS, .XLSX, .ODS, .FODS, .CSV oder .TXT)</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>  --port PORT   COM1, COM2, the path of a serial device, tcp:HOST:PORT for a scale
                behind a network serial server (HOST a name, an IPv4 address or
                an [IPv6] address), or a scale&apos;s name from the settings file;
                without it, the settings file&apos;s &quot;port&quot;. download takes up to
                %1 and sends the same records to every port at once, each
                line beginning &quot;PORT name: &quot;
</source>
        <extracomment>One option of --help: the option and its value as they are, its text from column 17, lines of at most 80 columns, each ending in a line feed.</extracomment>
        <translation>  --port PORT   COM1, COM2, der Pfad eines seriellen Geräts, tcp:HOST:PORT für
                eine Waage hinter einem Netzwerk-Seriell-Server (HOST ein Name,
                eine IPv4-Adresse oder eine [IPv6]-Adresse) oder der Name
                einer Waage aus der Einstellungsdatei; ohne die Option der
                &quot;port&quot; der Einstellungsdatei. download nimmt bis zu %1 und
                sendet dieselben Datensätze an alle Anschlüsse zugleich,
                jede Zeile beginnt mit &quot;PORT name: &quot;
</translation>
    </message>
    <message>
        <source>  --one N       the record in slot N (download) or the number N (upload)
</source>
        <translation>  --one N       der Datensatz auf Platz N (download) oder Nummer N (upload)
</translation>
    </message>
    <message>
        <source>  --range S E   slots S to E (download)
</source>
        <translation>  --range S E   Plätze S bis E (download)
</translation>
    </message>
    <message>
        <source>  --all         every record (the default)
</source>
        <translation>  --all         alle Datensätze (Standard)
</translation>
    </message>
    <message>
        <source>  -o OUT.pdf    labels: the PDF file to write
</source>
        <translation>  -o OUT.pdf    labels: die zu schreibende PDF-Datei
</translation>
    </message>
    <message>
        <source>  --printer NAME
                labels: the system&apos;s printer to print on
</source>
        <translation>  --printer NAME
                labels: der Drucker des Systems, auf dem gedruckt wird
</translation>
    </message>
    <message>
        <source>  --layout L    labels: the sheet, 3x8, 2x7, 4x10, roll or settings
                (the settings file&apos;s [labels])
</source>
        <translation>  --layout L    labels: der Bogen, 3x8, 2x7, 4x10, roll oder settings
                ([labels] der Einstellungsdatei)
</translation>
    </message>
    <message>
        <source>  --skip N      labels: leave the first N labels of the first sheet empty
</source>
        <translation>  --skip N      labels: die ersten N Etiketten des ersten Bogens leer lassen
</translation>
    </message>
    <message>
        <source>  --list        labels: the price list instead, one row a record
</source>
        <translation>  --list        labels: stattdessen die Preisliste, eine Zeile je Datensatz
</translation>
    </message>
    <message>
        <source>  --changed     download: only the records the scale on each port does not
                hold as they stand, by what Tarnlink sent it or read from it;
                labels: only the labels that print otherwise than when last
                printed from FILE, or with --port what a Changed download
                would send to that scale
</source>
        <translation>  --changed     download: nur die Datensätze, die die Waage am jeweiligen
                Anschluss nicht so hat, laut dem, was Tarnlink ihr sandte oder
                von ihr las; labels: nur die Etiketten, die anders drucken als
                beim letzten Druck aus FILE, oder mit --port, was ein Senden
                mit &quot;Geändert&quot; an diese Waage senden würde
</translation>
    </message>
    <message>
        <source>  --verify      download: read the table back after it and list the records
                the scale holds differently
</source>
        <translation>  --verify      download: danach die Tabelle zurücklesen und die Datensätze
                nennen, die die Waage anders hat
</translation>
    </message>
    <message>
        <source>  --plu N, --ingred N
                history: only the transfers of that record
</source>
        <translation>  --plu N, --ingred N
                history: nur die Übertragungen dieses Datensatzes
</translation>
    </message>
    <message>
        <source>  --since WHEN  history: only the transfers started since WHEN (2026-12-07 or
                &quot;2026-12-07 14:00&quot;, local time)
</source>
        <translation>  --since WHEN  history: nur die seit WHEN begonnenen Übertragungen
                (2026-12-07 oder &quot;2026-12-07 14:00&quot;, Ortszeit)
</translation>
    </message>
    <message>
        <source>  --limit N     history: the newest N transfers (default 50; 0: all)
</source>
        <translation>  --limit N     history: die neuesten N Übertragungen (Standard 50; 0: alle)
</translation>
    </message>
    <message>
        <source>  --map MAP     merge: FIELD=COLUMN,... each table field (&quot;PLU No&quot;, &quot;U/Price&quot;,
                ...) and the list&apos;s column that fills it, by header text or letter
</source>
        <translation>  --map MAP     merge: FIELD=COLUMN,... jedes Tabellenfeld (&quot;PLU No&quot;,
                &quot;U/Price&quot;, ...) und die Spalte der Liste, die es füllt, nach
                Kopftext oder Buchstabe
</translation>
    </message>
    <message>
        <source>  --price-decimals N
                merge: the list&apos;s prices have up to N decimals, 0 to 3
                (default the settings file&apos;s &quot;price decimals&quot;, 2)
</source>
        <translation>  --price-decimals N
                merge: die Preise der Liste haben bis zu N Dezimalstellen,
                0 bis 3 (Standard: &quot;price decimals&quot; der Einstellungsdatei, 2)
</translation>
    </message>
    <message>
        <source>  --format F    text (the default), csv or json: compare&apos;s differences,
                history&apos;s transfers, download&apos;s outcome on each port,
                the scales the store knows, status&apos;s rows; times in ISO 8601
                with their offset
</source>
        <translation>  --format F    text (Standard), csv oder json: die Unterschiede von compare,
                die Übertragungen von history, das Ergebnis von download je
                Anschluss, die dem Speicher bekannten Waagen, die Zeilen von
                status; Zeiten in ISO 8601 mit Zeitzonenversatz
</translation>
    </message>
    <message>
        <source>  --quiet       only results and errors: no status texts, progress or warnings
</source>
        <translation>  --quiet       nur Ergebnisse und Fehler: keine Statustexte, Fortschritte,
                Warnungen
</translation>
    </message>
    <message>
        <source>  --help        this text (after a command: that command&apos;s)
</source>
        <translation>  --help        dieser Text (nach einem Befehl: der des Befehls)
</translation>
    </message>
    <message>
        <source>  --version     the program&apos;s version
</source>
        <translation>  --version     die Version des Programms
</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>Begins the usage lines (a blank follows); the lines below it are indented as far.</extracomment>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>man tarnlink-cli has the details.</source>
        <translation>man tarnlink-cli enthält die Einzelheiten.</translation>
    </message>
    <message>
        <source>Sends the PLU and ingredient tables of a label-printing scale, reads them back and
converts their files, as the Tarnlink window does, without a window.</source>
        <extracomment>The lines of --help, each of at most 80 columns.</extracomment>
        <translation>Sendet die PLU- und Zutatentabellen einer Etiketten druckenden Waage, liest sie
zurück und wandelt ihre Dateien um, wie das Tarnlink-Fenster, ohne Fenster.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>FILE, TABLE, IN and OUT are .PLU or .INGRED table files or .XLS, .XLSX, .ODS,
.FODS, .CSV or .TXT spreadsheets, by extension (merge&apos;s IN is a spreadsheet). A
spreadsheet&apos;s records past the 200th, or an empty A1, are named in a warning on
stderr.
Each text the window would show in its status line is printed on a line of its
own, on stdout, its errors (&quot;ERROR! ...&quot;) on stderr; on a terminal a job&apos;s texts
are one progress line a port.
Scales&apos; names, the port to use when --port is not given, the store of what the
scales hold (store = FILE or postgresql://...) and this PC&apos;s and this shop&apos;s
names in it (pc =, default the host name; shop =, default the PC&apos;s name) come
from the settings file %1.
Exit status: 0 the job ended normally, 1 it was refused or failed, 2 the command
line was not understood, 3 compare or --verify found the scale holding records
differently (status: a scale not holding the table), 4 a port was in use by
another program, 5 sent but not recorded in the store, 130, 143 or 129 ended by
Ctrl-C, SIGTERM or SIGHUP.</source>
        <extracomment>The lines of --help, each of at most 80 columns; &quot;ERROR! ...&quot; as it is.</extracomment>
        <translation>FILE, TABLE, IN und OUT sind .PLU- oder .INGRED-Tabellendateien oder
Kalkulationstabellen (.XLS, .XLSX, .ODS, .FODS, .CSV oder .TXT), je nach Endung
(IN von merge ist eine Kalkulationstabelle). Datensätze einer
Kalkulationstabelle nach dem 200. oder ein leeres A1 werden in einer Warnung
auf stderr genannt.
Jeder Text, den das Fenster in seiner Statuszeile zeigen würde, steht auf einer
eigenen Zeile auf stdout, seine Fehler (&quot;ERROR! ...&quot;) auf stderr; auf einem
Terminal sind die Texte eines Auftrags eine Fortschrittszeile je Anschluss.
Namen der Waagen, der Anschluss ohne --port, der Speicher dessen, was die Waagen
haben (store = FILE oder postgresql://...), und die Namen dieses PCs und dieses
Geschäfts darin (pc =, Standard der Hostname; shop =, Standard der Name des
PCs) stehen in der Einstellungsdatei %1.
Exit-Status: 0 Auftrag normal beendet, 1 abgelehnt oder fehlgeschlagen,
2 Befehlszeile nicht verstanden, 3 compare oder --verify fand Datensätze, die
die Waage anders hat (status: eine Waage hat die Tabelle nicht), 4 ein
Anschluss war von einem anderen Programm belegt, 5 gesendet, aber nicht im
Speicher vermerkt, 130, 143 oder 129 beendet durch Strg-C, SIGTERM oder SIGHUP.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>unterbrochen</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>Standardausgabe nicht beschreibbar: %1</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>not on the scale</source>
        <translation>nicht auf der Waage</translation>
    </message>
    <message>
        <source>only on the scale</source>
        <translation>nur auf der Waage</translation>
    </message>
    <message>
        <source>only on the scale: %1</source>
        <extracomment>%1: the record as the scale holds it, &quot;PEARS, U/Price 349&quot;</extracomment>
        <translation>nur auf der Waage: %1</translation>
    </message>
    <message>
        <source>%1 PC %2, scale %3</source>
        <extracomment>A field that differs: its name as in the files (&quot;U/Price&quot;), the PC&apos;s value, the scale&apos;s value.</extracomment>
        <translation>%1 PC %2, Waage %3</translation>
    </message>
    <message>
        <source>Read the scale&apos;s table and list the records it holds unlike FILE.</source>
        <translation>Tabelle der Waage lesen und die Datensätze nennen, die sie anders hat als FILE.</translation>
    </message>
    <message>
        <source>compare reads from one port</source>
        <translation>compare liest von einem Anschluss</translation>
    </message>
    <message>
        <source>The scale holds this table</source>
        <translation>Die Waage hat diese Tabelle</translation>
    </message>
    <message numerus="yes">
        <source>The scale holds %n record(s) differently</source>
        <translation>
            <numerusform>Die Waage hat %n Datensatz anders</numerusform>
            <numerusform>Die Waage hat %n Datensätze anders</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>write error</source>
        <translation>Schreibfehler</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>Load the table from IN and save it to OUT.</source>
        <translation>Tabelle aus IN laden und in OUT speichern.</translation>
    </message>
    <message>
        <source>convert does not use a port</source>
        <translation>convert verwendet keinen Anschluss</translation>
    </message>
    <message>
        <source>%1: its first row is not the header of a PLU table: this looks like a price list: use tarnlink-cli merge</source>
        <translation>%1: die erste Zeile ist nicht der Kopf einer PLU-Tabelle: das sieht nach einer Preisliste aus: verwenden Sie tarnlink-cli merge</translation>
    </message>
    <message>
        <source>%1: its first row is not the header of an ingredient table: this looks like a price list: use tarnlink-cli merge</source>
        <translation>%1: die erste Zeile ist nicht der Kopf einer Zutatentabelle: das sieht nach einer Preisliste aus: verwenden Sie tarnlink-cli merge</translation>
    </message>
</context>
<context>
    <name>CsvSheet</name>
    <message>
        <source>line %1: a byte that is not %2, although the file starts as %2</source>
        <extracomment>%2 is the encoding, UTF-8 or UTF-16</extracomment>
        <translation>Zeile %1: ein Byte, das nicht %2 ist, obwohl die Datei als %2 beginnt</translation>
    </message>
    <message>
        <source>line %1: a quoted field has no closing quote</source>
        <translation>Zeile %1: ein Feld in Anführungszeichen ist nicht geschlossen</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Read the scale&apos;s weight, unit price and total price once.</source>
        <translation>Gewicht, Grundpreis und Gesamtpreis der Waage einmal lesen.</translation>
    </message>
    <message>
        <source>display takes no %1</source>
        <translation>display nimmt kein %1</translation>
    </message>
    <message>
        <source>display reads one port</source>
        <translation>display liest einen Anschluss</translation>
    </message>
    <message>
        <source>the scale did not answer on %1</source>
        <translation>die Waage antwortete nicht an %1</translation>
    </message>
    <message>
        <source>Weight %1</source>
        <extracomment>%1: the scale&apos;s weight read-out as it shows it</extracomment>
        <translation>Gewicht %1</translation>
    </message>
    <message>
        <source>Unit %1</source>
        <extracomment>%1: the scale&apos;s unit price read-out as it shows it</extracomment>
        <translation>Grundpreis %1</translation>
    </message>
    <message>
        <source>Price %1</source>
        <extracomment>%1: the scale&apos;s total price read-out as it shows it</extracomment>
        <translation>Preis %1</translation>
    </message>
    <message>
        <source>the scale sent no display record on %1</source>
        <translation>die Waage sandte keinen Anzeige-Datensatz an %1</translation>
    </message>
</context>
<context>
    <name>Download</name>
    <message>
        <source>%1 %2 is longer than the scale keeps; it keeps &quot;%3&quot;</source>
        <extracomment>%1: the record (&quot;plu#2&quot;), %2: its field as in the files (&quot;Item name1&quot;), %3: the part of the text the scale keeps</extracomment>
        <translation>%1 %2 ist länger, als die Waage speichert; sie behält &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Load FILE and send its records to the scale on every port at once.</source>
        <translation>FILE laden und seine Datensätze an die Waage an jedem Anschluss zugleich senden.</translation>
    </message>
    <message>
        <source>download takes one of --one, --range, --all and --changed</source>
        <translation>download nimmt eines von --one, --range, --all und --changed</translation>
    </message>
    <message>
        <source>--range needs 2 values</source>
        <translation>--range braucht 2 Werte</translation>
    </message>
    <message>
        <source>download takes at most %1 ports</source>
        <translation>download nimmt höchstens %1 Anschlüsse</translation>
    </message>
</context>
<context>
    <name>DownloadPlan</name>
    <message>
        <source>PLU %1 %2</source>
        <extracomment>A PLU record in a few words: its number and its first name line</extracomment>
        <translation>PLU %1 %2</translation>
    </message>
    <message>
        <source>Message %1 %2</source>
        <extracomment>An ingredient record in a few words: its message number and its first line</extracomment>
        <translation>Nachricht %1 %2</translation>
    </message>
    <message>
        <source>no saved records</source>
        <translation>nichts gespeichert</translation>
    </message>
    <message>
        <source>not a row number</source>
        <translation>keine Zeilennummer</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>The row a download&apos;s &quot;One&quot; choice selects, as the start of the text beside its box</extracomment>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>rows %1 to %2</source>
        <extracomment>The rows a download&apos;s &quot;Multiple&quot; choice selects</extracomment>
        <translation>Zeilen %1 bis %2</translation>
    </message>
    <message>
        <source>%1: past the last record (%2)</source>
        <extracomment>%1: &quot;row 5&quot; or &quot;rows 5 to 9&quot;; %2: the number of records in the table</extracomment>
        <translation>%1: nach dem letzten Datensatz (%2)</translation>
    </message>
    <message>
        <source>%1: nothing</source>
        <extracomment>%1: &quot;rows 5 to 3&quot;; the download sends no record</extracomment>
        <translation>%1: nichts</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>The first and the last record selected: &quot;PLU 12 APPLE to PLU 14 PEAR&quot;</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1: &quot;row 5&quot; or &quot;rows 5 to 9&quot;; %2: the records they hold in a few words</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ExitGuard</name>
    <message>
        <source>The %1 table has changes that are not saved.</source>
        <extracomment>%1: the changed table&apos;s name, PLU or INGRED</extracomment>
        <translation>Die Tabelle %1 hat ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>The %1 and %2 tables have changes that are not saved.</source>
        <extracomment>%1 and %2: the changed tables&apos; names, PLU and INGRED</extracomment>
        <translation>Die Tabellen %1 und %2 haben ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>Save them before Tarnlink ends?</source>
        <translation>Vor dem Beenden von Tarnlink speichern?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>Saves the changed tables</extracomment>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Disc&amp;ard</source>
        <extracomment>Drops the changes</extracomment>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Stop and exit</source>
        <translation>Stopp und &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Go on</source>
        <extracomment>Lets the exchange go on and the program stay open</extracomment>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A table&apos;s name (PLU or INGRED) and why its file is behind its grid</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>PLU file</source>
        <translation>PLU-Datei</translation>
    </message>
    <message>
        <source>INGRED file</source>
        <translation>INGRED-Datei</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>PDF File</source>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <source>Price lists</source>
        <translation>Preislisten</translation>
    </message>
    <message>
        <source>Excel File</source>
        <translation>Excel-Datei</translation>
    </message>
    <message>
        <source>Excel Workbook</source>
        <translation>Excel-Arbeitsmappe</translation>
    </message>
    <message>
        <source>OpenDocument Spreadsheet</source>
        <translation>OpenDocument-Tabelle</translation>
    </message>
    <message>
        <source>CSV File</source>
        <translation>CSV-Datei</translation>
    </message>
    <message>
        <source>ALL File</source>
        <extracomment>a filter of the file dialogs: files of any kind</extracomment>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>All spreadsheets</source>
        <translation>Alle Kalkulationstabellen</translation>
    </message>
</context>
<context>
    <name>Handshake</name>
    <message>
        <source>Retry #</source>
        <extracomment>followed by the number of the retry</extracomment>
        <translation>Versuch #</translation>
    </message>
    <message>
        <source>SyncOK error</source>
        <translation>SyncOK-Fehler</translation>
    </message>
    <message>
        <source>ERROR! plu#%1: no valid answer after 10 restarts</source>
        <translation>ERROR! plu#%1: keine gültige Antwort nach 10 Neustarts</translation>
    </message>
    <message>
        <source>Sync error PLU No : %1</source>
        <translation>Sync-Fehler PLU No : %1</translation>
    </message>
    <message>
        <source>Download command error</source>
        <translation>Fehler beim Sendebefehl</translation>
    </message>
    <message>
        <source>PLU # is not same</source>
        <translation>PLU # ungleich</translation>
    </message>
    <message>
        <source>Sync error Message No : %1</source>
        <translation>Sync-Fehler Message No : %1</translation>
    </message>
    <message>
        <source>Message # is not same</source>
        <translation>Nachricht # ungleich</translation>
    </message>
    <message>
        <source>ERROR! Message#%1: no valid answer after 10 restarts</source>
        <translation>ERROR! Nachricht#%1: keine gültige Antwort nach 10 Neustarts</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Sync-Fehler</translation>
    </message>
    <message>
        <source>Upload command error</source>
        <translation>Fehler beim Lesebefehl</translation>
    </message>
    <message>
        <source>Receive PLU time out</source>
        <translation>Zeitlimit PLU-Empfang</translation>
    </message>
    <message>
        <source>Receive INGRED time out</source>
        <translation>Zeitlimit INGRED-Empfang</translation>
    </message>
    <message>
        <source>ERROR! INGRED#%1: no valid answer after 10 restarts</source>
        <translation>ERROR! INGRED#%1: keine gültige Antwort nach 10 Neustarts</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>A job&apos;s start (date and time) and end (time)</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 (never ended)</source>
        <translation>%1 (nie beendet)</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n Datensatz</numerusform>
            <numerusform>%n Datensätze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n differ</source>
        <extracomment>Records a compare or verify found held differently</extracomment>
        <translation>
            <numerusform>%n abweichend</numerusform>
            <numerusform>%n abweichend</numerusform>
        </translation>
    </message>
    <message>
        <source>List the jobs run on the scales, newest first.</source>
        <translation>Die Aufträge an den Waagen auflisten, neueste zuerst.</translation>
    </message>
    <message>
        <source>history takes no %1</source>
        <translation>history nimmt kein %1</translation>
    </message>
    <message>
        <source>history takes one --port</source>
        <translation>history nimmt ein --port</translation>
    </message>
    <message>
        <source>history takes one of --plu and --ingred</source>
        <translation>history nimmt eines von --plu und --ingred</translation>
    </message>
    <message>
        <source>--%1 takes a number from 1 to %2</source>
        <extracomment>%1: the option&apos;s name (&quot;plu&quot;), %2: the highest number</extracomment>
        <translation>--%1 nimmt eine Zahl von 1 bis %2</translation>
    </message>
    <message>
        <source>--since takes a date: YYYY-MM-DD or &quot;YYYY-MM-DD HH:MM&quot;</source>
        <translation>--since nimmt ein Datum: YYYY-MM-DD oder &quot;YYYY-MM-DD HH:MM&quot;</translation>
    </message>
    <message>
        <source>--limit takes a number: the newest N jobs (0: all)</source>
        <translation>--limit nimmt eine Zahl: die neuesten N Aufträge (0: alle)</translation>
    </message>
    <message>
        <source>%1 %2 (slot %3) at %4</source>
        <extracomment>A record&apos;s moment in a job: table, number, slot, date and time</extracomment>
        <translation>%1 %2 (Platz %3) am %4</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message numerus="yes">
        <source>Checking what the scale holds: reading back %n record(s)</source>
        <translation>
            <numerusform>Prüfung der Waage: %n Datensatz wird zurückgelesen</numerusform>
            <numerusform>Prüfung der Waage: %n Datensätze werden zurückgelesen</numerusform>
        </translation>
    </message>
    <message>
        <source>Verify: the scale holds this table</source>
        <translation>Prüfen: die Waage hat diese Tabelle</translation>
    </message>
    <message numerus="yes">
        <source>Verify: the scale holds %n record(s) differently</source>
        <translation>
            <numerusform>Prüfen: die Waage hat %n Datensatz anders</numerusform>
            <numerusform>Prüfen: die Waage hat %n Datensätze anders</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped</source>
        <extracomment>The display read was stopped</extracomment>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Stopped before the first record</source>
        <translation>Angehalten vor dem ersten Datensatz</translation>
    </message>
    <message>
        <source>Stopped after plu#%1</source>
        <extracomment>%1: the slot or number of the last PLU record that went through</extracomment>
        <translation>Angehalten nach plu#%1</translation>
    </message>
    <message>
        <source>Stopped after Message#%1</source>
        <extracomment>%1: the slot of the last ingredient record the scale took</extracomment>
        <translation>Angehalten nach Nachricht#%1</translation>
    </message>
    <message>
        <source>Stopped after INGRED#%1</source>
        <extracomment>%1: the number of the last ingredient record the scale gave</extracomment>
        <translation>Angehalten nach INGRED#%1</translation>
    </message>
    <message>
        <source>ERROR! sent, not recorded: the store could not keep this job, so the next Changed download reads the scale&apos;s table first</source>
        <translation>ERROR! gesendet, nicht vermerkt: der Speicher konnte den Auftrag nicht sichern; das nächste Senden mit &quot;Geändert&quot; liest zuerst die Tabelle der Waage</translation>
    </message>
    <message>
        <source>ERROR! not recorded: the store could not keep this job, so the next Changed download reads the scale&apos;s table first</source>
        <translation>ERROR! nicht vermerkt: der Speicher konnte den Auftrag nicht sichern; das nächste Senden mit &quot;Geändert&quot; liest zuerst die Tabelle der Waage</translation>
    </message>
</context>
<context>
    <name>LabelContent</name>
    <message>
        <source>price unit is kg or each, not %1</source>
        <extracomment>&quot;price unit&quot; is a setting&apos;s name, &quot;kg&quot; and &quot;each&quot; its values: they stay as they are</extracomment>
        <translation>price unit ist kg oder each, nicht %1</translation>
    </message>
    <message>
        <source>barcode is code128, ean8 or instore, not %1</source>
        <extracomment>&quot;barcode&quot; is a setting&apos;s name, &quot;code128&quot;, &quot;ean8&quot; and &quot;instore&quot; its values</extracomment>
        <translation>barcode ist code128, ean8 oder instore, nicht %1</translation>
    </message>
    <message>
        <source>shop digit is one digit, 0 to 9, not %1</source>
        <extracomment>&quot;shop digit&quot; is a setting&apos;s name</extracomment>
        <translation>shop digit ist eine Ziffer, 0 bis 9, nicht %1</translation>
    </message>
    <message>
        <source>PLU %1: item code %2 is not a number of up to 10 digits: no barcode</source>
        <translation>PLU %1: Artikelcode %2 ist keine Zahl mit bis zu 10 Ziffern: kein Barcode</translation>
    </message>
    <message>
        <source>PLU %1: item code %2 does not end in its EAN-8 check digit: Code 128 instead</source>
        <translation>PLU %1: Artikelcode %2 endet nicht mit seiner EAN-8-Prüfziffer: stattdessen Code 128</translation>
    </message>
    <message>
        <source>PLU %1: item code %2 is not 7 or 8 digits: Code 128 instead</source>
        <translation>PLU %1: Artikelcode %2 hat nicht 7 oder 8 Ziffern: stattdessen Code 128</translation>
    </message>
    <message>
        <source>per kg</source>
        <extracomment>printed on a label after the price</extracomment>
        <translation>je kg</translation>
    </message>
    <message>
        <source>each</source>
        <extracomment>printed on a label after the price</extracomment>
        <translation>je Stück</translation>
    </message>
    <message>
        <source>use within 1 day</source>
        <translation>1 Tag haltbar</translation>
    </message>
    <message numerus="yes">
        <source>use within %n days</source>
        <translation>
            <numerusform>%n Tag haltbar</numerusform>
            <numerusform>%n Tage haltbar</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LabelLayout</name>
    <message>
        <source>a sheet has at least 1 column and 1 row</source>
        <translation>ein Bogen hat mindestens 1 Spalte und 1 Zeile</translation>
    </message>
    <message>
        <source>a label is wider and higher than 0 mm</source>
        <translation>ein Etikett ist breiter und höher als 0 mm</translation>
    </message>
    <message numerus="yes">
        <source>%n column(s) of %1 mm with gaps of %2 mm need %3 mm, the page is %4 mm wide</source>
        <translation>
            <numerusform>%n Spalte zu %1 mm mit Abständen von %2 mm braucht %3 mm, die Seite ist %4 mm breit</numerusform>
            <numerusform>%n Spalten zu %1 mm mit Abständen von %2 mm brauchen %3 mm, die Seite ist %4 mm breit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of %1 mm with gaps of %2 mm need %3 mm, the page is %4 mm high</source>
        <translation>
            <numerusform>%n Zeile zu %1 mm mit Abständen von %2 mm braucht %3 mm, die Seite ist %4 mm hoch</numerusform>
            <numerusform>%n Zeilen zu %1 mm mit Abständen von %2 mm brauchen %3 mm, die Seite ist %4 mm hoch</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n column(s) of %1 mm with gaps of %2 mm from a margin of %3 mm need %4 mm, the page is %5 mm wide</source>
        <translation>
            <numerusform>%n Spalte zu %1 mm mit Abständen von %2 mm ab einem Rand von %3 mm braucht %4 mm, die Seite ist %5 mm breit</numerusform>
            <numerusform>%n Spalten zu %1 mm mit Abständen von %2 mm ab einem Rand von %3 mm brauchen %4 mm, die Seite ist %5 mm breit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of %1 mm with gaps of %2 mm from a margin of %3 mm need %4 mm, the page is %5 mm high</source>
        <translation>
            <numerusform>%n Zeile zu %1 mm mit Abständen von %2 mm ab einem Rand von %3 mm braucht %4 mm, die Seite ist %5 mm hoch</numerusform>
            <numerusform>%n Zeilen zu %1 mm mit Abständen von %2 mm ab einem Rand von %3 mm brauchen %4 mm, die Seite ist %5 mm hoch</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a setting of a label sheet (layout, page, label, columns, rows, margins, gaps)</source>
        <extracomment>the names in brackets are the settings&apos; names: they stay as they are</extracomment>
        <translation>%1 ist keine Einstellung eines Etikettenbogens (layout, page, label, columns, rows, margins, gaps)</translation>
    </message>
    <message>
        <source>layout: %1 is none of %2</source>
        <extracomment>&quot;layout&quot; is a setting&apos;s name; %2 lists the sheets&apos; names</extracomment>
        <translation>layout: %1 ist keiner von %2</translation>
    </message>
    <message>
        <source>page: %1 is not A4, A5, Letter or WIDTHxHEIGHT in mm</source>
        <extracomment>&quot;page&quot;, &quot;A4&quot;, &quot;A5&quot; and &quot;Letter&quot; are the settings&apos; words</extracomment>
        <translation>page: %1 ist nicht A4, A5, Letter oder BREITExHÖHE in mm</translation>
    </message>
    <message>
        <source>label: %1 is not WIDTHxHEIGHT in mm</source>
        <extracomment>&quot;label&quot; is a setting&apos;s name</extracomment>
        <translation>label: %1 ist nicht BREITExHÖHE in mm</translation>
    </message>
    <message>
        <source>%1: %2 is not a number from 1 to 50</source>
        <extracomment>%1 is a setting&apos;s name (columns, rows), %2 its value</extracomment>
        <translation>%1: %2 ist keine Zahl von 1 bis 50</translation>
    </message>
    <message>
        <source>gaps: %1 is not ACROSS DOWN in mm</source>
        <extracomment>&quot;gaps&quot; is a setting&apos;s name</extracomment>
        <translation>gaps: %1 ist nicht WAAGRECHT SENKRECHT in mm</translation>
    </message>
    <message>
        <source>margins: %1 is not LEFT TOP in mm</source>
        <extracomment>&quot;margins&quot; is a setting&apos;s name</extracomment>
        <translation>margins: %1 ist nicht LINKS OBEN in mm</translation>
    </message>
    <message>
        <source>does not fit: %1</source>
        <extracomment>%1 says what does not fit</extracomment>
        <translation>passt nicht: %1</translation>
    </message>
    <message>
        <source>%1 is not a label sheet: %2 or settings</source>
        <extracomment>%2 lists the sheets&apos; names; &quot;settings&quot; is a name too, and stays as it is</extracomment>
        <translation>%1 ist kein Etikettenbogen: %2 oder settings</translation>
    </message>
</context>
<context>
    <name>LabelPrint</name>
    <message>
        <source>1 day</source>
        <extracomment>the price list&apos;s column &quot;Use within&quot;</extracomment>
        <translation>1 Tag</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>PLU %1</source>
        <extracomment>printed on a label; %1 is the PLU&apos;s number</extracomment>
        <translation>PLU %1</translation>
    </message>
    <message>
        <source>PLU</source>
        <translation>PLU</translation>
    </message>
    <message>
        <source>Item name1</source>
        <translation>Artikelname 1</translation>
    </message>
    <message>
        <source>Item name2</source>
        <translation>Artikelname 2</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Item code</source>
        <translation>Artikelcode</translation>
    </message>
    <message>
        <source>Use within</source>
        <translation>Haltbar</translation>
    </message>
    <message>
        <source>Price list</source>
        <extracomment>the heading of the printed price list</extracomment>
        <translation>Preisliste</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>there is no printer %1 (this PC has none)</source>
        <translation>es gibt keinen Drucker %1 (dieser PC hat keinen)</translation>
    </message>
    <message>
        <source>there is no printer %1 (this PC has %2)</source>
        <extracomment>%2 lists the printers this PC has</extracomment>
        <translation>es gibt keinen Drucker %1 (dieser PC hat %2)</translation>
    </message>
    <message>
        <source>the printer %1 failed</source>
        <translation>Fehler am Drucker %1</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Print shelf labels, or the price list, of FILE&apos;s PLU records.</source>
        <translation>Regaletiketten oder die Preisliste der PLU-Datensätze von FILE drucken.</translation>
    </message>
    <message>
        <source>labels are printed from the plu table</source>
        <translation>labels druckt aus der Tabelle plu</translation>
    </message>
    <message>
        <source>labels takes one of --one, --range, --all and --changed</source>
        <translation>labels nimmt eines von --one, --range, --all und --changed</translation>
    </message>
    <message>
        <source>labels needs one of -o OUT.pdf and --printer NAME</source>
        <translation>labels braucht eines von -o OUT.pdf und --printer NAME</translation>
    </message>
    <message>
        <source>%1: labels are written to a .pdf file</source>
        <translation>%1: labels schreibt in eine .pdf-Datei</translation>
    </message>
    <message>
        <source>--one is a slot from 1 to %1, not %2</source>
        <translation>--one ist ein Platz von 1 bis %1, nicht %2</translation>
    </message>
    <message>
        <source>--range is two slots S &lt;= E from 1 to %1, not %2</source>
        <translation>--range sind zwei Plätze S &lt;= E von 1 bis %1, nicht %2</translation>
    </message>
    <message>
        <source>labels takes --port with --changed: the records a Changed download would send to that scale</source>
        <translation>labels nimmt --port mit --changed: die Datensätze, die ein Senden mit &quot;Geändert&quot; an diese Waage senden würde</translation>
    </message>
    <message>
        <source>labels --changed asks about one port</source>
        <translation>labels --changed fragt nach einem Anschluss</translation>
    </message>
    <message>
        <source>--skip is 0 to %1 on a %2 sheet of %3 labels, not %4</source>
        <extracomment>%2: the sheet&apos;s name (&quot;3x8&quot;, &quot;roll&quot;, &quot;settings&quot;)</extracomment>
        <translation>--skip ist 0 bis %1 bei einem Bogen %2 mit %3 Etiketten, nicht %4</translation>
    </message>
    <message>
        <source>No labels to print: the table is empty</source>
        <translation>Keine Etiketten zu drucken: die Tabelle ist leer</translation>
    </message>
    <message numerus="yes">
        <source>ERROR! slot %1 is past the table&apos;s %n record(s)</source>
        <translation>
            <numerusform>ERROR! Platz %1: die Tabelle hat nur %n Datensatz</numerusform>
            <numerusform>ERROR! Platz %1: die Tabelle hat nur %n Datensätze</numerusform>
        </translation>
    </message>
    <message>
        <source>No labels to print: every label was printed as it stands</source>
        <translation>Keine Etiketten zu drucken: jedes Etikett wurde so gedruckt, wie es jetzt ist</translation>
    </message>
    <message>
        <source>the scale on %1 was not checked: these are the records the store says it does not hold (%2)</source>
        <translation>die Waage an %1 wurde nicht geprüft: dies sind die Datensätze, die sie laut Speicher nicht hat (%2)</translation>
    </message>
    <message>
        <source>the scale on %1 was not checked: these are the records the store says it does not hold</source>
        <translation>die Waage an %1 wurde nicht geprüft: dies sind die Datensätze, die sie laut Speicher nicht hat</translation>
    </message>
    <message>
        <source>No labels to print: the scale holds every record as it stands</source>
        <translation>Keine Etiketten zu drucken: die Waage hat jeden Datensatz so, wie er jetzt ist</translation>
    </message>
    <message>
        <source>Price list</source>
        <extracomment>The title of the PDF file or the printer&apos;s job</extracomment>
        <translation>Preisliste</translation>
    </message>
    <message>
        <source>Labels</source>
        <extracomment>The title of the PDF file or the printer&apos;s job</extracomment>
        <translation>Etiketten</translation>
    </message>
    <message numerus="yes">
        <source>Price list: %n record(s) on %1 page(s) written to %2</source>
        <translation>
            <numerusform>Preisliste: %n Datensatz auf %1 Seite(n) in %2 geschrieben</numerusform>
            <numerusform>Preisliste: %n Datensätze auf %1 Seite(n) in %2 geschrieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Price list: %n record(s) on %1 page(s) sent to printer %2</source>
        <translation>
            <numerusform>Preisliste: %n Datensatz auf %1 Seite(n) an Drucker %2 gesendet</numerusform>
            <numerusform>Preisliste: %n Datensätze auf %1 Seite(n) an Drucker %2 gesendet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Labels: %n on %1 page(s) written to %2</source>
        <extracomment>%n labels</extracomment>
        <translation>
            <numerusform>Etiketten: %n auf %1 Seite(n) in %2 geschrieben</numerusform>
            <numerusform>Etiketten: %n auf %1 Seite(n) in %2 geschrieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Labels: %n on %1 page(s) sent to printer %2</source>
        <extracomment>%n labels</extracomment>
        <translation>
            <numerusform>Etiketten: %n auf %1 Seite(n) an Drucker %2 gesendet</numerusform>
            <numerusform>Etiketten: %n auf %1 Seite(n) an Drucker %2 gesendet</numerusform>
        </translation>
    </message>
    <message>
        <source>the store could not keep which labels were printed: a later --changed prints them again</source>
        <translation>der Speicher konnte nicht sichern, welche Etiketten gedruckt wurden: ein späteres --changed druckt sie erneut</translation>
    </message>
</context>
<context>
    <name>ListDialog</name>
    <message>
        <source>&amp;Close</source>
        <extracomment>the button that closes a list (Compare, History)</extracomment>
        <translation>Sc&amp;hließen</translation>
    </message>
</context>
<context>
    <name>Merge</name>
    <message>
        <source>Merge a price list IN into TABLE and save the result to OUT.</source>
        <translation>Eine Preisliste IN in TABLE übernehmen und das Ergebnis in OUT speichern.</translation>
    </message>
    <message>
        <source>merge does not use a port</source>
        <translation>merge verwendet keinen Anschluss</translation>
    </message>
    <message>
        <source>%1: a price list is an .XLS, .XLSX, .ODS, .CSV or .TXT spreadsheet</source>
        <translation>%1: eine Preisliste ist eine Kalkulationstabelle (.XLS, .XLSX, .ODS, .CSV oder .TXT)</translation>
    </message>
    <message>
        <source>merge needs --map, e.g. --map &quot;PLU No=Article,U/Price=Price&quot;</source>
        <extracomment>&quot;PLU No&quot; and &quot;U/Price&quot; are the table&apos;s field names, as they are in every language; &quot;Article&quot; and &quot;Price&quot; are a price list&apos;s column headers.</extracomment>
        <translation>merge braucht --map, z. B. --map &quot;PLU No=Artikel,U/Price=Preis&quot;</translation>
    </message>
    <message>
        <source>--price-decimals is for the plu table</source>
        <translation>--price-decimals gilt für die Tabelle plu</translation>
    </message>
    <message>
        <source>--price-decimals is 0 to %1, not %2</source>
        <translation>--price-decimals ist 0 bis %1, nicht %2</translation>
    </message>
</context>
<context>
    <name>NumberResult</name>
    <message>
        <source>is not a number</source>
        <extracomment>after a field&apos;s name</extracomment>
        <translation>ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <extracomment>after a field&apos;s name; %1 is the text read</extracomment>
        <translation>%1 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>is out of range</source>
        <extracomment>after a field&apos;s name</extracomment>
        <translation>ist außer Bereich</translation>
    </message>
</context>
<context>
    <name>OdsReader</name>
    <message>
        <source>elements nest deeper than %1 levels</source>
        <translation>Elemente sind tiefer als %1 Ebenen verschachtelt</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>die Datei ist größer als %1 MB</translation>
    </message>
    <message>
        <source>not an .ods spreadsheet</source>
        <translation>keine .ods-Kalkulationstabelle</translation>
    </message>
    <message>
        <source>the spreadsheet holds no table</source>
        <translation>die Datei enthält kein Tabellenblatt</translation>
    </message>
    <message>
        <source>a repeat count of row %1 is not a number</source>
        <translation>eine Wiederholungszahl von Zeile %1 ist keine Zahl</translation>
    </message>
</context>
<context>
    <name>OdsWriter</name>
    <message>
        <source>cannot build the spreadsheet</source>
        <translation>kann die Datei nicht erstellen</translation>
    </message>
</context>
<context>
    <name>PortName</name>
    <message>
        <source>no port name</source>
        <translation>kein Anschlussname</translation>
    </message>
    <message>
        <source>not a network serial server&apos;s name (tcp:HOST:PORT)</source>
        <translation>kein Name eines Netzwerk-Seriell-Servers (tcp:HOST:PORT)</translation>
    </message>
    <message>
        <source>the name is too long for a device</source>
        <translation>der Name ist zu lang für ein Gerät</translation>
    </message>
</context>
<context>
    <name>PriceList</name>
    <message>
        <source>ERROR! %1: more than %2 rows</source>
        <extracomment>%1 is the file&apos;s name</extracomment>
        <translation>ERROR! %1: mehr als %2 Zeilen</translation>
    </message>
    <message>
        <source>%1 is not a price</source>
        <extracomment>after a field&apos;s name; %1 is the text read</extracomment>
        <translation>%1 ist kein Preis</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <extracomment>after a field&apos;s name; %1 is the text read</extracomment>
        <translation>%1 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1 has more than %2 decimals</source>
        <extracomment>after a field&apos;s name; %1 is the text read, %2 how many decimals a price has</extracomment>
        <translation>%1 hat mehr als %2 Dezimalstellen</translation>
    </message>
    <message>
        <source>is out of range</source>
        <extracomment>after a field&apos;s name</extracomment>
        <translation>ist außer Bereich</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not FIELD=COLUMN</source>
        <translation>&quot;%1&quot; ist nicht FIELD=COLUMN</translation>
    </message>
    <message>
        <source>%1 is not a field of the %2 table (%3)</source>
        <extracomment>%1 is the name given, %2 the table (PLU, INGRED), %3 its fields&apos; names</extracomment>
        <translation>%1 ist kein Feld der Tabelle %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is mapped twice</source>
        <translation>%1 ist doppelt zugeordnet</translation>
    </message>
    <message>
        <source>the list has no column &quot;%1&quot; (a header text of its first row, or a letter A to Z)</source>
        <translation>die Liste hat keine Spalte &quot;%1&quot; (ein Kopftext ihrer ersten Zeile oder ein Buchstabe A bis Z)</translation>
    </message>
    <message>
        <source>%1 must be mapped: it is the key</source>
        <translation>%1 muss zugeordnet sein: es ist der Schlüssel</translation>
    </message>
    <message>
        <source>Price list: %1 changed, %2 new, %3 unchanged</source>
        <translation>Preisliste: %1 geändert, %2 neu, %3 unverändert</translation>
    </message>
    <message>
        <source>Price list: %1 changed (%2), %3 new, %4 unchanged</source>
        <extracomment>%2 lists the fields changed, each with its count: &quot;U/Price 3, Tare 1&quot;</extracomment>
        <translation>Preisliste: %1 geändert (%2), %3 neu, %4 unverändert</translation>
    </message>
    <message>
        <source>ERROR! %1 must be mapped: it is the key</source>
        <translation>ERROR! %1 muss zugeordnet sein: es ist der Schlüssel</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>%1 %2 is also in sheet row %3</source>
        <extracomment>%1 is the key&apos;s field name, %2 the key</extracomment>
        <translation>%1 %2 steht auch in Blattzeile %3</translation>
    </message>
    <message>
        <source>%1 %2 is in rows %3 and %4 of the table</source>
        <extracomment>%1 is the key&apos;s field name, %2 the key</extracomment>
        <translation>%1 %2 steht in den Zeilen %3 und %4 der Tabelle</translation>
    </message>
    <message>
        <source>%1 %2 is new and the table has no free row</source>
        <extracomment>%1 is the key&apos;s field name, %2 the key</extracomment>
        <translation>%1 %2 ist neu und die Tabelle hat keine freie Zeile</translation>
    </message>
</context>
<context>
    <name>RecordCodec</name>
    <message>
        <source>has no single-byte code for &apos;%1&apos;</source>
        <extracomment>after a field&apos;s name; %1 is the character</extracomment>
        <translation>hat keinen Ein-Byte-Code für &apos;%1&apos;</translation>
    </message>
    <message>
        <source>is negative</source>
        <extracomment>after a field&apos;s name</extracomment>
        <translation>ist negativ</translation>
    </message>
    <message>
        <source>is out of range: %1</source>
        <extracomment>after a field&apos;s name; %1 is the number read</extracomment>
        <translation>ist außer Bereich: %1</translation>
    </message>
</context>
<context>
    <name>Rows</name>
    <message>
        <source>SCALE</source>
        <extracomment>A column&apos;s header in the text form of tarnlink-cli scales and status, in capitals</extracomment>
        <translation>WAAGE</translation>
    </message>
    <message>
        <source>PLACE</source>
        <translation>ORT</translation>
    </message>
    <message>
        <source>NAMES</source>
        <translation>NAMEN</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>USER</source>
        <translation>BENUTZER</translation>
    </message>
    <message>
        <source>LAST JOB</source>
        <translation>LETZTER AUFTRAG</translation>
    </message>
    <message>
        <source>OUTCOME</source>
        <translation>ERGEBNIS</translation>
    </message>
    <message>
        <source>ENDED</source>
        <translation>BEENDET</translation>
    </message>
    <message>
        <source>HOW ENDED</source>
        <translation>WIE BEENDET</translation>
    </message>
    <message>
        <source>CONFIRMED</source>
        <translation>BESTÄTIGT</translation>
    </message>
    <message>
        <source>HOLDS</source>
        <translation>HAT</translation>
    </message>
    <message>
        <source>DIFFER</source>
        <translation>ABWEICHEND</translation>
    </message>
    <message>
        <source>ALSO HOLDS</source>
        <translation>HAT AUCH</translation>
    </message>
    <message>
        <source>WHY</source>
        <translation>GRUND</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>the disk took only part of the file</source>
        <translation>nur ein Teil der Datei wurde gespeichert</translation>
    </message>
</context>
<context>
    <name>SafetyQuestions</name>
    <message>
        <source>1 text is longer than the scale keeps; it will keep:</source>
        <translation>1 Text ist länger, als die Waage speichert; sie behält:</translation>
    </message>
    <message numerus="yes">
        <source>%n texts are longer than the scale keeps; it will keep:</source>
        <translation>
            <numerusform>%n Text ist länger, als die Waage speichert; sie behält:</numerusform>
            <numerusform>%n Texte sind länger, als die Waage speichert; sie behält:</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1, %2: &quot;%3&quot;</source>
        <extracomment>A text the scale cuts: its grid row (%1), its field&apos;s name (%2) and what is kept (%3)</extracomment>
        <translation>Zeile %1, %2: &quot;%3&quot;</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <extracomment>The texts cut that are not listed</extracomment>
        <translation>
            <numerusform>... und %n weiterer</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Send anyway?</source>
        <translation>Trotzdem senden?</translation>
    </message>
    <message>
        <source>The %1 grid has changes that are not saved.</source>
        <extracomment>%1: the table&apos;s name, PLU or INGRED</extracomment>
        <translation>Die Tabelle %1 hat ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>A download sends the saved table, not what the grid shows.</source>
        <translation>Gesendet wird die gespeicherte Tabelle, nicht die Anzeige.</translation>
    </message>
    <message>
        <source>A compare holds the saved table against the scale&apos;s, not what the grid shows.</source>
        <translation>Verglichen wird die gespeicherte Tabelle mit der der Waage, nicht die Anzeige.</translation>
    </message>
    <message>
        <source>&amp;Save and download</source>
        <translation>&amp;Speichern und senden</translation>
    </message>
    <message>
        <source>&amp;Save and compare</source>
        <translation>&amp;Speichern und vergleichen</translation>
    </message>
    <message>
        <source>Download the saved &amp;table</source>
        <translation>Gespeicherte &amp;Tabelle senden</translation>
    </message>
    <message>
        <source>Compare the saved &amp;table</source>
        <translation>Gespeicherte &amp;Tabelle vergleichen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Save them before the grid is replaced?</source>
        <translation>Vor dem Ersetzen der Anzeige speichern?</translation>
    </message>
</context>
<context>
    <name>Scales</name>
    <message>
        <source>List every scale the store knows, with its last job.</source>
        <translation>Alle dem Speicher bekannten Waagen mit ihrem letzten Auftrag auflisten.</translation>
    </message>
    <message>
        <source>scales takes no --port: it lists every scale</source>
        <translation>scales nimmt kein --port: es listet alle Waagen</translation>
    </message>
    <message>
        <source>scales takes no %1</source>
        <translation>scales nimmt kein %1</translation>
    </message>
    <message>
        <source>Say whether each scale holds FILE&apos;s table, by the store&apos;s word.</source>
        <translation>Laut Speicher angeben, ob jede Waage die Tabelle von FILE hat.</translation>
    </message>
    <message>
        <source>the store knows no scale: name one with --port</source>
        <translation>der Speicher kennt keine Waage: nennen Sie eine mit --port</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1: cannot be read: %2</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>%1: nicht lesbar: %2</translation>
    </message>
    <message>
        <source>%1 line %2: not NAME = VALUE</source>
        <extracomment>%1 is the settings file, %2 the line&apos;s number</extracomment>
        <translation>%1 Zeile %2: nicht NAME = WERT</translation>
    </message>
    <message>
        <source>%1 line %2: price decimals is 0 to %3, not %4</source>
        <extracomment>&quot;price decimals&quot; is the setting&apos;s name in the file</extracomment>
        <translation>%1 Zeile %2: price decimals ist 0 bis %3, nicht %4</translation>
    </message>
    <message>
        <source>%1 line %2: &quot;%3&quot; is not a scale&apos;s name (letters, digits, -, _ and ., not COM1 or COM2)</source>
        <translation>%1 Zeile %2: &quot;%3&quot; ist kein Waagenname (Buchstaben, Ziffern, -, _ und ., nicht COM1 oder COM2)</translation>
    </message>
    <message>
        <source>%1 line %2: %3: %4</source>
        <extracomment>%3 is the scale&apos;s name, %4 why its port&apos;s name cannot be taken</extracomment>
        <translation>%1 Zeile %2: %3: %4</translation>
    </message>
</context>
<context>
    <name>SheetExchange</name>
    <message>
        <source>Excel File Ingred Data  </source>
        <translation>Excel-Datei Ingred-Daten  </translation>
    </message>
    <message>
        <source> Data Format Changing ....  %1</source>
        <extracomment>%1 is the text in column A of the row being read</extracomment>
        <translation> Datenformat wird umgewandelt ....  %1</translation>
    </message>
    <message>
        <source>PLU Number is %1</source>
        <translation>PLU-Nummer ist %1</translation>
    </message>
    <message>
        <source>Excel File INGRED Data  </source>
        <translation>Excel-Datei INGRED-Daten  </translation>
    </message>
    <message>
        <source>  Data Format Changing....  %1</source>
        <extracomment>%1 is the text in column A of the row being read</extracomment>
        <translation>  Datenformat wird umgewandelt....  %1</translation>
    </message>
    <message>
        <source>Ingredient Number is %1</source>
        <translation>Zutatennummer ist %1</translation>
    </message>
    <message>
        <source>Nothing was imported: cell A1 is empty, and the records end at the first row whose column A is empty.</source>
        <translation>Nichts importiert: Zelle A1 ist leer, und die Datensätze enden an der ersten Zeile mit leerer Spalte A.</translation>
    </message>
    <message>
        <source>1 row past the %1th was left out: a table holds at most %1 records.</source>
        <translation>1 Zeile nach der %1. wurde ausgelassen: eine Tabelle hat höchstens %1 Datensätze.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows past the %1th were left out: a table holds at most %1 records.</source>
        <translation>
            <numerusform>%n Zeile nach der %1. wurde ausgelassen: eine Tabelle hat höchstens %1 Datensätze.</numerusform>
            <numerusform>%n Zeilen nach der %1. wurden ausgelassen: eine Tabelle hat höchstens %1 Datensätze.</numerusform>
        </translation>
    </message>
    <message>
        <source> Input File Name </source>
        <translation> Eingabedateiname </translation>
    </message>
    <message>
        <source> Open Excel File </source>
        <translation> Excel-Datei öffnen </translation>
    </message>
    <message>
        <source> Initializing </source>
        <translation> Initialisierung </translation>
    </message>
    <message>
        <source> Data is End </source>
        <translation> Datenende </translation>
    </message>
    <message>
        <source> Excel File Save </source>
        <translation> Excel-Datei speichern </translation>
    </message>
    <message>
        <source> Data Changing ....  </source>
        <extracomment>followed by the record&apos;s number</extracomment>
        <translation> Datenumwandlung ....  </translation>
    </message>
    <message>
        <source>ERROR! cannot save %1: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 why it cannot be saved</extracomment>
        <translation>ERROR! kann %1 nicht speichern: %2</translation>
    </message>
    <message>
        <source> Save End</source>
        <translation> Speichern beendet</translation>
    </message>
</context>
<context>
    <name>SheetParts</name>
    <message>
        <source>the formula has no stored result - open and save the file in a spreadsheet program</source>
        <translation>die Formel hat kein gespeichertes Ergebnis - öffnen und speichern Sie die Datei in einem Tabellenprogramm</translation>
    </message>
    <message>
        <source>a DTD is not allowed</source>
        <translation>eine DTD ist nicht erlaubt</translation>
    </message>
    <message>
        <source>the text is longer than the %1 characters a cell holds</source>
        <translation>der Text ist länger als die %1 Zeichen, die eine Zelle fasst</translation>
    </message>
    <message>
        <source>the text holds the control character U+%1</source>
        <translation>der Text enthält das Steuerzeichen U+%1</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>%1 is the row, %2 the column&apos;s letters, %3 why the cell cannot be written</extracomment>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>ERROR! sheet row %1, column %2: </source>
        <extracomment>the start of an error text; what is wrong with the cell follows</extracomment>
        <translation>ERROR! Blattzeile %1, Spalte %2: </translation>
    </message>
    <message>
        <source>the cell holds an error value</source>
        <translation>die Zelle enthält einen Fehlerwert</translation>
    </message>
    <message>
        <source>the part %1 is missing</source>
        <translation>der Teil %1 fehlt</translation>
    </message>
    <message>
        <source>the part %1 expands to more than %2 MB</source>
        <translation>der Teil %1 entpackt sich auf mehr als %2 MB</translation>
    </message>
    <message>
        <source>the part %1, line %2: %3</source>
        <translation>der Teil %1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>the part %1 is damaged or cut short</source>
        <translation>der Teil %1 ist beschädigt oder abgeschnitten</translation>
    </message>
    <message>
        <source>the part %1 is not well-formed XML (line %2: %3)</source>
        <translation>der Teil %1 ist kein wohlgeformtes XML (Zeile %2: %3)</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>the server keeps this store: back it up there (pg_dump %1)</source>
        <extracomment>%1: the store&apos;s database on its server</extracomment>
        <translation>der Server führt diesen Speicher: sichern Sie ihn dort (pg_dump %1)</translation>
    </message>
    <message>
        <source>%1 exists; name a new file</source>
        <extracomment>%1: the file the backup copy was to be</extracomment>
        <translation>%1 existiert: neuen Namen wählen</translation>
    </message>
</context>
<context>
    <name>StoreCommand</name>
    <message>
        <source>Copy the store of what the scales hold to a new file, consistently.</source>
        <translation>Den Speicher dessen, was die Waagen haben, konsistent in eine neue Datei kopieren.</translation>
    </message>
    <message>
        <source>store takes no --port</source>
        <translation>store nimmt kein --port</translation>
    </message>
    <message>
        <source>store takes: backup FILE</source>
        <translation>store nimmt: backup FILE</translation>
    </message>
    <message>
        <source>ERROR! cannot copy the store to %1: %2</source>
        <translation>ERROR! kann den Speicher nicht nach %1 kopieren: %2</translation>
    </message>
    <message>
        <source>The store is copied to %1</source>
        <translation>Der Speicher ist nach %1 kopiert</translation>
    </message>
</context>
<context>
    <name>StoreConnection</name>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (libqt6sql6-psql)</source>
        <translation>Der PostgreSQL-Treiber von Qt ist nicht installiert (libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed (libqt6sql6-sqlite)</source>
        <translation>Der SQLite-Treiber von Qt ist nicht installiert (libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>name it as postgresql://USER@HOST[:PORT]/DATABASE</source>
        <translation>geben Sie ihn als postgresql://USER@HOST[:PORT]/DATABASE an</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>das ist ein Ordner</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it is not open</source>
        <translation>nicht geöffnet</translation>
    </message>
    <message>
        <source>attempt to write a readonly database</source>
        <extracomment>As SQLite says it of a store that may only be read</extracomment>
        <translation>Schreibversuch in schreibgeschützte Datenbank</translation>
    </message>
    <message>
        <source>database is locked</source>
        <extracomment>As SQLite says it of a store that another program is writing</extracomment>
        <translation>Datenbank ist gesperrt</translation>
    </message>
</context>
<context>
    <name>StoreDoubt</name>
    <message>
        <source>the store did not answer in time</source>
        <translation>der Speicher hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>its note on this PC could not be written</source>
        <translation>ihre Notiz auf diesem PC konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>its serial server refused a connection since its last job</source>
        <translation>ihr serieller Server hat seit ihrem letzten Auftrag eine Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>the port was lost since its last job</source>
        <translation>der Anschluss ging seit ihrem letzten Auftrag verloren</translation>
    </message>
    <message>
        <source>the store could not keep a job</source>
        <translation>der Speicher konnte einen Auftrag nicht aufnehmen</translation>
    </message>
    <message>
        <source>its note of Tarnlink&apos;s jobs on this PC is missing</source>
        <translation>ihre Notiz der Tarnlink-Aufträge auf diesem PC fehlt</translation>
    </message>
    <message>
        <source>its note of Tarnlink&apos;s jobs on this PC cannot be read</source>
        <translation>ihre Notiz der Tarnlink-Aufträge auf diesem PC ist nicht lesbar</translation>
    </message>
    <message>
        <source>a job on it was cut off (Tarnlink was killed or the PC lost power)</source>
        <translation>ein Auftrag an ihr brach ab (Tarnlink wurde beendet oder der PC verlor den Strom)</translation>
    </message>
    <message>
        <source>another store sent it records since</source>
        <translation>ein anderer Speicher hat ihr seitdem Datensätze gesendet</translation>
    </message>
    <message>
        <source>the store could not keep its last job</source>
        <translation>der Speicher konnte ihren letzten Auftrag nicht aufnehmen</translation>
    </message>
    <message>
        <source>the store does not hold its last job (put back from a copy?)</source>
        <translation>der Speicher kennt ihren letzten Auftrag nicht (aus einer Kopie zurückgespielt?)</translation>
    </message>
</context>
<context>
    <name>StoreLayout</name>
    <message>
        <source>it cannot use write-ahead logging</source>
        <translation>er kann kein Write-Ahead-Logging verwenden</translation>
    </message>
    <message>
        <source>it was made by a newer Tarnlink (store version %1; this one, %2, reads up to %3) - upgrade this PC: the store needs Tarnlink that reads store version %1</source>
        <extracomment>%1: the store&apos;s version; %2: this Tarnlink&apos;s version; %3: the store version it reads up to</extracomment>
        <translation>er stammt von einem neueren Tarnlink (Speicherversion %1; dieses, %2, liest bis %3) - aktualisieren Sie diesen PC: der Speicher braucht ein Tarnlink, das Speicherversion %1 liest</translation>
    </message>
    <message>
        <source>it was made by a newer Tarnlink %1 (store version %2; this one, %3, reads up to %4) - upgrade this PC: the store needs Tarnlink %1 or later</source>
        <extracomment>%1: the Tarnlink version that made the store; %2: the store&apos;s version; %3: this Tarnlink&apos;s version; %4: the store version it reads up to</extracomment>
        <translation>er stammt von einem neueren Tarnlink %1 (Speicherversion %2; dieses, %3, liest bis %4) - aktualisieren Sie diesen PC: der Speicher braucht Tarnlink %1 oder neuer</translation>
    </message>
    <message>
        <source>it is read-only, and an older Tarnlink made it</source>
        <translation>er ist schreibgeschützt und stammt von einem älteren Tarnlink</translation>
    </message>
</context>
<context>
    <name>StoreProblems</name>
    <message>
        <source>another program is writing it; Tarnlink writes again at the next job</source>
        <translation>ein anderes Programm schreibt ihn; Tarnlink schreibt beim nächsten Auftrag erneut</translation>
    </message>
    <message>
        <source>make it and its folder writable, or name another file in TARNLINK_STORE</source>
        <translation>machen Sie ihn und seinen Ordner beschreibbar oder nennen Sie eine andere Datei in TARNLINK_STORE</translation>
    </message>
    <message>
        <source>free some space on its disk</source>
        <translation>Platz auf seinem Datenträger freigeben</translation>
    </message>
    <message>
        <source>check its disk: full, or gone?</source>
        <translation>Datenträger prüfen: voll oder weg?</translation>
    </message>
    <message>
        <source>move it aside: rename %1 to %1.broken, and Tarnlink starts a new store</source>
        <translation>legen Sie ihn beiseite: benennen Sie %1 in %1.broken um, dann beginnt Tarnlink einen neuen Speicher</translation>
    </message>
    <message>
        <source>it must be a file in a folder you may write; or name another file in TARNLINK_STORE</source>
        <translation>er muss eine Datei in einem beschreibbaren Ordner sein; oder nennen Sie eine andere Datei in TARNLINK_STORE</translation>
    </message>
    <message>
        <source>ERROR! cannot keep what the scales hold in %1: %2</source>
        <extracomment>%1: the store&apos;s file or server; %2: the database&apos;s own words on what went wrong</extracomment>
        <translation>ERROR! kann nicht in %1 festhalten, was die Waagen haben: %2</translation>
    </message>
    <message>
        <source>ERROR! cannot keep what the scales hold in %1: %2 - %3</source>
        <extracomment>%1: the store&apos;s file or server; %2: the database&apos;s own words; %3: what to do about it</extracomment>
        <translation>ERROR! kann nicht in %1 festhalten, was die Waagen haben: %2 - %3</translation>
    </message>
</context>
<context>
    <name>StoreWriter</name>
    <message>
        <source>it did not answer in time</source>
        <translation>er antwortete nicht rechtzeitig</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <source>the file ends before %1</source>
        <extracomment>%1 is a field&apos;s name</extracomment>
        <translation>die Datei endet vor %1</translation>
    </message>
    <message>
        <source>%1 has no closing double quote</source>
        <translation>%1: schließendes Anführungszeichen fehlt</translation>
    </message>
    <message>
        <source>%1 contains a double quote</source>
        <translation>%1 enthält ein Anführungszeichen</translation>
    </message>
    <message>
        <source>%1 contains a line break</source>
        <translation>%1 enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>%1 contains &quot;%2&quot;, which the file cannot hold</source>
        <translation>%1 enthält &quot;%2&quot;, das die Datei nicht fassen kann</translation>
    </message>
    <message>
        <source>%1 is a whole number (cents): type %2</source>
        <translation>%1 ist eine ganze Zahl (Cent): geben Sie %2 ein</translation>
    </message>
    <message>
        <source>ERROR! cannot open %1 (%2)</source>
        <translation>ERROR! kann %1 nicht öffnen (%2)</translation>
    </message>
    <message>
        <source>ERROR! %1 is too large for a table file</source>
        <translation>ERROR! %1 ist zu groß für eine Tabellendatei</translation>
    </message>
    <message>
        <source>ERROR! cannot read %1 (%2)</source>
        <translation>ERROR! kann %1 nicht lesen (%2)</translation>
    </message>
    <message>
        <source>ERROR! cannot save %1 (%2)</source>
        <translation>ERROR! kann %1 nicht speichern (%2)</translation>
    </message>
    <message>
        <source>INGRED Count is %1</source>
        <translation>INGRED-Anzahl ist %1</translation>
    </message>
    <message>
        <source>ERROR! line %1: %2</source>
        <translation>ERROR! Zeile %1: %2</translation>
    </message>
    <message>
        <source>ERROR! row %1: %2</source>
        <translation>ERROR! Zeile %1: %2</translation>
    </message>
    <message>
        <source>more than %1 records</source>
        <translation>mehr als %1 Datensätze</translation>
    </message>
    <message>
        <source>the table cannot be written</source>
        <translation>Tabelle kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>Transfers</name>
    <message>
        <source>ERROR! select plu files</source>
        <translation>ERROR! PLU-Dateien wählen</translation>
    </message>
    <message>
        <source>PLU Range is not valid</source>
        <translation>PLU-Bereich ist ungültig</translation>
    </message>
    <message>
        <source>plu#%1 is transfered</source>
        <translation>plu#%1 gesendet</translation>
    </message>
    <message>
        <source>plu#%1 is received</source>
        <translation>plu#%1 empfangen</translation>
    </message>
    <message>
        <source>ERROR! PLU row %1: %2</source>
        <translation>ERROR! PLU-Zeile %1: %2</translation>
    </message>
    <message>
        <source>ERROR! PLU number must be 1 to 200</source>
        <translation>ERROR! PLU-Nummer muss 1 bis 200 sein</translation>
    </message>
    <message>
        <source>PLU is not exist</source>
        <translation>PLU existiert nicht</translation>
    </message>
    <message>
        <source>ERROR! select ingred files</source>
        <translation>ERROR! INGRED-Dateien wählen</translation>
    </message>
    <message>
        <source>INGRED Range is not valid</source>
        <translation>INGRED-Bereich ist ungültig</translation>
    </message>
    <message>
        <source>Message#%1 is transfered</source>
        <translation>Nachricht#%1 gesendet</translation>
    </message>
    <message>
        <source>INGRED#%1 is received</source>
        <translation>INGRED#%1 empfangen</translation>
    </message>
    <message>
        <source>ERROR! INGRED row %1: %2</source>
        <translation>ERROR! INGRED-Zeile %1: %2</translation>
    </message>
    <message>
        <source>ERROR! INGRED number must be 1 to 200</source>
        <translation>ERROR! INGRED-Nummer muss 1 bis 200 sein</translation>
    </message>
    <message>
        <source>END</source>
        <extracomment>The status line&apos;s word when an ingredient upload reached the scale&apos;s last message</extracomment>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>plu#%1</source>
        <extracomment>A downloaded PLU record by its slot, as the status line names it</extracomment>
        <translation>plu#%1</translation>
    </message>
    <message>
        <source>Message#%1</source>
        <extracomment>A downloaded ingredient record by its slot, as the status line names it</extracomment>
        <translation>Nachricht#%1</translation>
    </message>
</context>
<context>
    <name>Upload</name>
    <message>
        <source>Read records from the scale and save the table to FILE.</source>
        <translation>Datensätze von der Waage lesen und die Tabelle in FILE speichern.</translation>
    </message>
    <message>
        <source>upload takes one of --one and --all</source>
        <translation>upload nimmt eines von --one und --all</translation>
    </message>
    <message>
        <source>upload reads from one port</source>
        <translation>upload liest von einem Anschluss</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>das ist ein Ordner</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>no folder %1</source>
        <translation>kein Ordner %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to</source>
        <translation>in den Ordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>kann %1 nicht schreiben: %2</translation>
    </message>
    <message>
        <source>%1 not written: the upload did not end normally</source>
        <translation>%1 nicht geschrieben: das Lesen endete nicht normal</translation>
    </message>
</context>
<context>
    <name>WindowOptions</name>
    <message>
        <source>Keeps the PLU and ingredient tables of a label-printing retail scale.</source>
        <translation>Verwaltet die PLU- und Zutatentabellen einer Etiketten druckenden Ladenwaage.</translation>
    </message>
    <message>
        <source>Choose this port on the &quot;Port&quot; tab: COM1, COM2, a device path, tcp:HOST:PORT or a scale&apos;s name from the settings file (&quot;Other&quot;), for this run: it is not remembered. It opens when &quot;Open&quot; is pressed.</source>
        <translation>Diesen Anschluss im Reiter &quot;Anschluss&quot; wählen: COM1, COM2, ein Gerätepfad, tcp:HOST:PORT oder der Name einer Waage aus der Einstellungsdatei (&quot;Andere&quot;), nur für diesen Lauf: er wird nicht gespeichert. Er öffnet sich bei &quot;Öffnen&quot;.</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>The value of --port in the help, as in --port &lt;name&gt;</extracomment>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>WorkbookReader</name>
    <message>
        <source>not a workbook it can read</source>
        <translation>keine lesbare Arbeitsmappe</translation>
    </message>
    <message>
        <source>the workbook is protected by a password</source>
        <translation>die Arbeitsmappe ist mit einem Passwort geschützt</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>kann %1 nicht öffnen</translation>
    </message>
</context>
<context>
    <name>WorkbookWriter</name>
    <message>
        <source>sheet name must have 1 to 31 characters</source>
        <translation>Blattname muss 1 bis 31 Zeichen haben</translation>
    </message>
    <message>
        <source>too many rows or columns for a workbook</source>
        <translation>zu viele Zeilen oder Spalten für eine Arbeitsmappe</translation>
    </message>
    <message>
        <source>active cell outside the sheet</source>
        <translation>aktive Zelle außerhalb des Blatts</translation>
    </message>
    <message>
        <source>cannot build the workbook</source>
        <translation>Arbeitsmappe nicht erstellbar</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>PLU Count is %1</source>
        <translation>PLU-Anzahl ist %1</translation>
    </message>
    <message>
        <source>Message Count is %1</source>
        <translation>Nachrichten-Anzahl ist %1</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>not an .xlsx workbook</source>
        <translation>keine .xlsx-Arbeitsmappe</translation>
    </message>
    <message>
        <source>the workbook is in the 2006 pre-release .xlsx format, which is not a format it reads</source>
        <translation>die Arbeitsmappe hat das .xlsx-Vorabformat von 2006, das nicht gelesen wird</translation>
    </message>
    <message>
        <source>the workbook holds no worksheet</source>
        <translation>die Arbeitsmappe enthält kein Arbeitsblatt</translation>
    </message>
    <message>
        <source>the worksheet holds a cell it cannot place (%1)</source>
        <translation>das Arbeitsblatt enthält eine Zelle, die nicht zuzuordnen ist (%1)</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>a row of a worksheet, as the worksheet numbers it</extracomment>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>cell %1 names no shared text</source>
        <translation>Zelle %1 nennt keinen gemeinsamen Text</translation>
    </message>
    <message>
        <source>cell %1 names shared text %2, but there are only %3</source>
        <translation>Zelle %1 nennt gemeinsamen Text %2, es gibt aber nur %3</translation>
    </message>
</context>
<context>
    <name>XlsxWriter</name>
    <message>
        <source>no room for a scratch file: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>kein Platz für eine temporäre Datei: %1</translation>
    </message>
    <message>
        <source>cannot start the workbook</source>
        <translation>kann Arbeitsmappe nicht beginnen</translation>
    </message>
</context>
<context>
    <name>tarn::AboutDialog</name>
    <message>
        <source>Tarnlink downloads and uploads PLU and ingredient data for price-computing, label-printing retail scales.
Version %1
Contact: your scale dealer or the Tarnlink developers, tarnlink@example.org</source>
        <extracomment>%1: the program&apos;s version</extracomment>
        <translation>Tarnlink sendet PLU- und Zutatendaten an preisrechnende, Etiketten druckende Ladenwaagen und liest sie von dort.
Version %1
Kontakt: Ihr Waagenhändler oder die Tarnlink-Entwickler, tarnlink@example.org</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>tarn::CompareDialog</name>
    <message>
        <source>No</source>
        <extracomment>column: the record&apos;s number</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Field</source>
        <extracomment>column: the table&apos;s field that differs</extracomment>
        <translation>Feld</translation>
    </message>
    <message>
        <source>PC</source>
        <extracomment>column: what the PC&apos;s table holds</extracomment>
        <translation>PC</translation>
    </message>
    <message>
        <source>Scale</source>
        <extracomment>column: what the scale holds</extracomment>
        <translation>Waage</translation>
    </message>
    <message>
        <source>The scale holds this table</source>
        <translation>Die Waage hat diese Tabelle</translation>
    </message>
    <message numerus="yes">
        <source>The scale holds %n record(s) differently</source>
        <translation>
            <numerusform>Die Waage hat %n Datensatz anders</numerusform>
            <numerusform>Die Waage hat %n Datensätze anders</numerusform>
        </translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>a side that holds no such record</extracomment>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>(this record)</source>
        <extracomment>a side that holds the whole record, the other none</extracomment>
        <translation>(dieser Datensatz)</translation>
    </message>
</context>
<context>
    <name>tarn::FindBar</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>Finds the next cell that holds the text</extracomment>
        <translation>N&amp;ächste</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Closes the find bar</extracomment>
        <translation>Sc&amp;hließen</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
</context>
<context>
    <name>tarn::GridActions</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Followed by the step&apos;s name: &quot;Undo Paste&quot;</extracomment>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Followed by the step&apos;s name: &quot;Redo Paste&quot;</extracomment>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <extracomment>Empties the selected cells</extracomment>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>We&amp;itersuchen</translation>
    </message>
    <message>
        <source>Paste</source>
        <extracomment>The undo step of a paste, shown as &quot;Undo Paste&quot;</extracomment>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>The undo step of emptying the selected cells, shown as &quot;Undo Clear&quot;</extracomment>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>tarn::GridModel</name>
    <message>
        <source>Longer than the scale keeps; it keeps &quot;%1&quot;</source>
        <extracomment>A cell&apos;s tool tip: %1 is what the scale keeps of its text</extracomment>
        <translation>Länger, als die Waage speichert; sie behält &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>tarn::GridUndo</name>
    <message>
        <source>Typing</source>
        <extracomment>The undo step of a typed cell, shown as &quot;Undo Typing&quot;</extracomment>
        <translation>Eingabe</translation>
    </message>
</context>
<context>
    <name>tarn::HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Started</source>
        <extracomment>column: when the transfer started</extracomment>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Ended</source>
        <extracomment>column: when the transfer ended</extracomment>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Outcome</source>
        <extracomment>column: ok, failed, ... as the store keeps it</extracomment>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>column: the port&apos;s name</extracomment>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Scale</source>
        <extracomment>column: the scale&apos;s identity</extracomment>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Table</source>
        <extracomment>column: PLU or INGRED</extracomment>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>column: download, upload or compare</extracomment>
        <translation>Art</translation>
    </message>
    <message>
        <source>What</source>
        <extracomment>column: which records (ALL, 1-5, Changed)</extracomment>
        <translation>Was</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>column: the number of records</extracomment>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>Differ</source>
        <extracomment>column: the number of records that differed</extracomment>
        <translation>Abweichend</translation>
    </message>
    <message>
        <source>How it ended</source>
        <extracomment>column: the status text the transfer ended with</extracomment>
        <translation>Wie beendet</translation>
    </message>
    <message>
        <source>(never ended)</source>
        <translation>(nie beendet)</translation>
    </message>
</context>
<context>
    <name>tarn::LabelActions</name>
    <message>
        <source>Print &amp;labels...</source>
        <translation>&amp;Etiketten drucken...</translation>
    </message>
    <message>
        <source>Print p&amp;rice list...</source>
        <translation>&amp;Preisliste drucken...</translation>
    </message>
    <message numerus="yes">
        <source>Print labels for the %n records just sent</source>
        <translation>
            <numerusform>Etiketten für den eben gesendeten %n Datensatz drucken</numerusform>
            <numerusform>Etiketten für die %n eben gesendeten Datensätze drucken</numerusform>
        </translation>
    </message>
    <message>
        <source>Print labels</source>
        <translation>Etiketten drucken</translation>
    </message>
    <message numerus="yes">
        <source>&amp;All %n records</source>
        <translation>
            <numerusform>&amp;Alle (%n Datensatz)</numerusform>
            <numerusform>&amp;Alle %n Datensätze</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;One</source>
        <extracomment>a label for one record, its slot chosen beside</extracomment>
        <translation>&amp;Einzeln</translation>
    </message>
    <message>
        <source>&amp;Range</source>
        <extracomment>the labels of the slots from ... to ...</extracomment>
        <translation>&amp;Bereich</translation>
    </message>
    <message>
        <source>&amp;Changed since last printed</source>
        <translation>&amp;Geändert seit dem letzten Druck</translation>
    </message>
    <message numerus="yes">
        <source>The %n records just &amp;sent</source>
        <translation>
            <numerusform>Den eben ge&amp;sendeten %n Datensatz</numerusform>
            <numerusform>Die %n eben ge&amp;sendeten Datensätze</numerusform>
        </translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>between the first and the last slot of a range</extracomment>
        <translation>bis</translation>
    </message>
    <message>
        <source>Sheet</source>
        <extracomment>the kind of label sheet (its layout) printed on</extracomment>
        <translation>Bogen</translation>
    </message>
    <message>
        <source>Labels already used on the first sheet</source>
        <translation>Bereits benutzte Etiketten auf dem ersten Bogen</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>&amp;Vorschau...</translation>
    </message>
    <message>
        <source>P&amp;DF...</source>
        <extracomment>writes the labels to a PDF file</extracomment>
        <translation>P&amp;DF...</translation>
    </message>
    <message>
        <source>No labels to print</source>
        <translation>Keine Etiketten zu drucken</translation>
    </message>
    <message numerus="yes">
        <source>Labels: %n written to %1</source>
        <translation>
            <numerusform>Etiketten: %n in %1 geschrieben</numerusform>
            <numerusform>Etiketten: %n in %1 geschrieben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarn::MainWindow</name>
    <message>
        <source>Por&amp;t</source>
        <translation>Ans&amp;chluss</translation>
    </message>
    <message>
        <source>Displa&amp;y</source>
        <translation>A&amp;nzeige</translation>
    </message>
    <message>
        <source> Error ! PLU No is over </source>
        <extracomment>A status line text: Enter or a paste would go past the table&apos;s last row. Keep the spaces at both ends and the start &quot;Error !&quot;.</extracomment>
        <translation> Error ! PLU No ist zu groß </translation>
    </message>
    <message>
        <source> Error ! Message No is over </source>
        <extracomment>The same for the INGRED table, whose records are messages.</extracomment>
        <translation> Error ! Message No ist zu groß </translation>
    </message>
    <message>
        <source>P&amp;LU</source>
        <extracomment>The tab of the PLU table&apos;s grid</extracomment>
        <translation>P&amp;LU</translation>
    </message>
    <message>
        <source>D&amp;ownload</source>
        <translation>&amp;Senden</translation>
    </message>
    <message>
        <source>Uplo&amp;ad</source>
        <translation>L&amp;esen</translation>
    </message>
    <message>
        <source>IN&amp;GRED</source>
        <extracomment>The tab of the INGRED table&apos;s grid</extracomment>
        <translation>IN&amp;GRED</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>exported to %1; no %2 file holds it</source>
        <extracomment>Why Exit asks about a table with nothing unsaved: its grid went to a workbook (%1) and no file of the table&apos;s own (%2: PLU or INGRED) holds it.</extracomment>
        <translation>nach %1 exportiert; keine %2-Datei enthält sie</translation>
    </message>
    <message>
        <source>exported to %1; %2 is older</source>
        <extracomment>The same when the table&apos;s own file (%2) is older than the workbook (%1).</extracomment>
        <translation>nach %1 exportiert; %2 ist älter</translation>
    </message>
    <message>
        <source>&amp;PLU</source>
        <extracomment>The PLU table&apos;s menu</extracomment>
        <translation>&amp;PLU</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <extracomment>Menu entry: empties the table</extracomment>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <extracomment>The menu of the files to open the table from</extracomment>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;PLU File( *.PLU)</source>
        <translation>&amp;PLU-Datei( *.PLU)</translation>
    </message>
    <message>
        <source>&amp;Excel File( *.XLS)</source>
        <translation>&amp;Excel-Datei( *.XLS)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>The menu of the files to save the table into</extracomment>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;PLU File ( *.PLU)</source>
        <translation>&amp;PLU-Datei ( *.PLU)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;INGRED</source>
        <extracomment>The INGRED table&apos;s menu</extracomment>
        <translation>&amp;INGRED</translation>
    </message>
    <message>
        <source>&amp;INGRED File( *.INGRED)</source>
        <translation>&amp;INGRED-Datei( *.INGRED)</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Port No</source>
        <translation>Anschluss-Nr.</translation>
    </message>
    <message>
        <source>Com&amp;1</source>
        <extracomment>The serial port COM1</extracomment>
        <translation>Com&amp;1</translation>
    </message>
    <message>
        <source>Com&amp;2</source>
        <extracomment>The serial port COM2</extracomment>
        <translation>Com&amp;2</translation>
    </message>
    <message>
        <source>Othe&amp;r</source>
        <extracomment>Another port, named in the box beside it</extracomment>
        <translation>&amp;Andere</translation>
    </message>
    <message>
        <source>Op&amp;en</source>
        <extracomment>Opens the port</extracomment>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Closes the port</extracomment>
        <translation>Sc&amp;hließen</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>Known scales</source>
        <translation>Bekannte Waagen</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Names</source>
        <extracomment>The port names the scale was used under</extracomment>
        <translation>Namen</translation>
    </message>
    <message>
        <source>PC</source>
        <extracomment>The computer that ran the scale&apos;s last job</extracomment>
        <translation>PC</translation>
    </message>
    <message>
        <source>Last job</source>
        <translation>Letzter Auftrag</translation>
    </message>
    <message>
        <source>Ended</source>
        <extracomment>When the last job ended</extracomment>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>How it ended</source>
        <translation>Wie beendet</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <extracomment>When the scale last confirmed what the store says it holds</extracomment>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Unit</source>
        <extracomment>The unit price the scale shows</extracomment>
        <translation>Grundpreis</translation>
    </message>
    <message>
        <source>Price</source>
        <extracomment>The total price the scale shows</extracomment>
        <translation>Preis</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <extracomment>Reads the scale&apos;s display again</extracomment>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>To</source>
        <extracomment>Between the first and the last number of a range</extracomment>
        <translation>Bis</translation>
    </message>
    <message>
        <source>PLU Download Option</source>
        <translation>PLU-Sendeoption</translation>
    </message>
    <message>
        <source>On&amp;e PLU</source>
        <extracomment>An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>Ein&amp;zel-PLU</translation>
    </message>
    <message>
        <source>&amp;Multiple PLU</source>
        <extracomment>An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>&amp;Mehrere PLU</translation>
    </message>
    <message>
        <source>ALL PLU</source>
        <translation>ALLE PLU</translation>
    </message>
    <message>
        <source>&amp;Changed</source>
        <extracomment>Sends the records the scale does not hold as they stand. An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>Geänder&amp;t</translation>
    </message>
    <message>
        <source>INGRED Download Option</source>
        <translation>INGRED-Sendeoption</translation>
    </message>
    <message>
        <source>O&amp;ne INGRED</source>
        <extracomment>An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>Einzel-INGRED</translation>
    </message>
    <message>
        <source>M&amp;ultiple INGRED</source>
        <extracomment>An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>Me&amp;hrere INGRED</translation>
    </message>
    <message>
        <source>ALL ING&amp;RED</source>
        <extracomment>An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>ALLE ING&amp;RED</translation>
    </message>
    <message>
        <source>C&amp;hanged</source>
        <extracomment>Sends the records the scale does not hold as they stand. An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>Ge&amp;ändert</translation>
    </message>
    <message>
        <source> PLU &amp;Download</source>
        <translation> PL&amp;U senden</translation>
    </message>
    <message>
        <source>INGRED Do&amp;wnload</source>
        <translation>INGRED sen&amp;den</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>Pr&amp;üfen</translation>
    </message>
    <message>
        <source>After the download, read the table back and list any record the scale holds differently</source>
        <translation>Nach dem Senden die Tabelle zurücklesen und jeden Datensatz nennen, den die Waage anders hat</translation>
    </message>
    <message>
        <source>PLU Upload Option</source>
        <translation>PLU-Leseoption</translation>
    </message>
    <message>
        <source>All PLU</source>
        <translation>Alle PLU</translation>
    </message>
    <message>
        <source>INGRED Upload Option</source>
        <translation>INGRED-Leseoption</translation>
    </message>
    <message>
        <source>All INGRED</source>
        <translation>Alle INGRED</translation>
    </message>
    <message>
        <source>PLU &amp;Upload</source>
        <translation>PL&amp;U lesen</translation>
    </message>
    <message>
        <source>INGRED Uploa&amp;d</source>
        <translation>INGRE&amp;D lesen</translation>
    </message>
    <message>
        <source>PLU Co&amp;mpare</source>
        <translation>PLU &amp;vergleichen</translation>
    </message>
    <message>
        <source>INGRED Compa&amp;re</source>
        <translation>INGRED ve&amp;rgleichen</translation>
    </message>
</context>
<context>
    <name>tarn::MemoryActions</name>
    <message>
        <source>%1 to send</source>
        <extracomment>beside Changed: the number of records a Changed download would send, or ?</extracomment>
        <translation>%1 zu senden</translation>
    </message>
    <message>
        <source>%1 to send once saved</source>
        <extracomment>beside Changed: the number of records a Changed download would send once the grid is saved, or ?</extracomment>
        <translation>%1 zu senden nach Speichern</translation>
    </message>
    <message>
        <source>? to send: its table is read first</source>
        <extracomment>beside Changed: the download reads the scale&apos;s table before it sends</extracomment>
        <translation>? zu senden: erst wird ihre Tabelle gelesen</translation>
    </message>
    <message>
        <source>? to send once saved: its table is read first</source>
        <extracomment>beside Changed, for a grid not yet saved: the download reads the scale&apos;s table before it sends</extracomment>
        <translation>? zu senden nach Speichern: erst wird ihre Tabelle gelesen</translation>
    </message>
    <message>
        <source>The store cannot vouch for this scale: %1</source>
        <translation>Der Speicher ist für diese Waage nicht verlässlich: %1</translation>
    </message>
    <message>
        <source>running, or cut off</source>
        <translation>läuft oder abgebrochen</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>a scale (%1) and where it stands (%2)</extracomment>
        <translation>%1 an %2</translation>
    </message>
    <message>
        <source>%1 Compare</source>
        <extracomment>the title of the list of differences a Compare found: &quot;PLU Compare&quot;, &quot;INGRED Compare&quot;</extracomment>
        <translation>%1-Vergleich</translation>
    </message>
    <message>
        <source>%1 Verify</source>
        <extracomment>the title of the list of differences a download&apos;s Verify found: &quot;PLU Verify&quot;</extracomment>
        <translation>%1-Prüfung</translation>
    </message>
</context>
<context>
    <name>tarn::PortActions</name>
    <message>
        <source>open port1</source>
        <translation>Anschluss1 geöffnet</translation>
    </message>
    <message>
        <source>open port2</source>
        <translation>Anschluss2 geöffnet</translation>
    </message>
    <message>
        <source>open port%1</source>
        <extracomment>The port (%1, a device or a scale&apos;s name) is open; no space before it</extracomment>
        <translation>Anschluss%1 geöffnet</translation>
    </message>
    <message>
        <source>Port is already opened</source>
        <translation>Anschluss schon geöffnet</translation>
    </message>
    <message>
        <source>Other</source>
        <extracomment>The &quot;Other&quot; port&apos;s option, named when its box is empty</extracomment>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Port is not opened</source>
        <translation>Anschluss nicht geöffnet</translation>
    </message>
    <message>
        <source>close port</source>
        <translation>Anschluss geschlossen</translation>
    </message>
</context>
<context>
    <name>tarn::PriceListActions</name>
    <message>
        <source>Price &amp;list...</source>
        <translation>Preis&amp;liste...</translation>
    </message>
    <message>
        <source>Price list</source>
        <extracomment>the step Undo takes back (&quot;Undo Price list&quot;)</extracomment>
        <translation>Preisliste</translation>
    </message>
</context>
<context>
    <name>tarn::PriceListDialog</name>
    <message>
        <source>Price list</source>
        <translation>Preisliste</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>(not used)</source>
        <extracomment>a field that no column of the list fills</extracomment>
        <translation>(nicht verwendet)</translation>
    </message>
    <message>
        <source>%1 (key)</source>
        <extracomment>%1: the key field&apos;s name, as the files name it (&quot;PLU No&quot;)</extracomment>
        <translation>%1 (Schlüssel)</translation>
    </message>
    <message>
        <source>Price decimals</source>
        <translation>Preis-Dezimalstellen</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>column: the grid&apos;s row and the record&apos;s key</extracomment>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>Field</source>
        <extracomment>column: the field that changes</extracomment>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Old</source>
        <extracomment>column: the field&apos;s text before</extracomment>
        <translation>Alt</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>column: the field&apos;s text after</extracomment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Choose the list&apos;s column for %1: it is the key.</source>
        <translation>Wählen Sie die Spalte der Liste für %1: es ist der Schlüssel.</translation>
    </message>
    <message>
        <source>row %1: %2 %3</source>
        <extracomment>a record: its grid row (%1), its key field&apos;s name (%2) and value (%3)</extracomment>
        <translation>Zeile %1: %2 %3</translation>
    </message>
    <message>
        <source>row %1: %2 %3 (new)</source>
        <extracomment>a record the list adds: its grid row (%1), its key field&apos;s name (%2) and value (%3)</extracomment>
        <translation>Zeile %1: %2 %3 (neu)</translation>
    </message>
</context>
<context>
    <name>tarn::ScaleLink</name>
    <message>
        <source>ERROR! cannot open %1: %2</source>
        <extracomment>%1 is the port, %2 why it cannot be opened</extracomment>
        <translation>ERROR! kann %1 nicht öffnen: %2</translation>
    </message>
    <message>
        <source>in use by another program (process %1)</source>
        <translation>von einem anderen Programm belegt (Prozess %1)</translation>
    </message>
    <message>
        <source>ERROR! lost port %1: %2</source>
        <extracomment>%1 is the port, %2 why it was lost</extracomment>
        <translation>ERROR! Anschluss %1 verloren: %2</translation>
    </message>
    <message>
        <source>ERROR! port is not open</source>
        <translation>ERROR! Anschluss nicht geöffnet</translation>
    </message>
</context>
<context>
    <name>tarn::SerialPort</name>
    <message>
        <source>the line cannot be written any more</source>
        <translation>Leitung nicht mehr beschreibbar</translation>
    </message>
    <message>
        <source>the line cannot be read any more</source>
        <translation>Leitung nicht mehr lesbar</translation>
    </message>
    <message>
        <source>%1 - join the dialout group (sudo adduser $USER dialout), then log in again</source>
        <extracomment>%1 is the system&apos;s reason; &quot;dialout&quot; and the command stay as they are</extracomment>
        <translation>%1 - treten Sie der Gruppe dialout bei (sudo adduser $USER dialout) und melden Sie sich neu an</translation>
    </message>
    <message>
        <source>a stale lock file %1 blocks it - remove it</source>
        <translation>eine veraltete Sperrdatei %1 blockiert ihn - entfernen Sie sie</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>kein serieller Anschluss</translation>
    </message>
</context>
<context>
    <name>tarn::TcpPort</name>
    <message>
        <source>cannot look the name up: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Name nicht auflösbar: %1</translation>
    </message>
    <message>
        <source>no connection within %1 s</source>
        <translation>keine Verbindung innerhalb von %1 s</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Host nicht gefunden</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>der Server hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>not a network serial server&apos;s name (tcp:HOST:PORT)</source>
        <translation>kein Name eines Netzwerk-Seriell-Servers (tcp:HOST:PORT)</translation>
    </message>
    <message>
        <source>the connect was stopped</source>
        <translation>Verbindungsaufbau abgebrochen</translation>
    </message>
    <message>
        <source>the connection was not made</source>
        <translation>die Verbindung kam nicht zustande</translation>
    </message>
    <message>
        <source>the connection cannot be written any more</source>
        <translation>Verbindung nicht mehr beschreibbar</translation>
    </message>
</context>
<context>
    <name>tarn::TransferActions</name>
    <message>
        <source>The scale stopped answering after %1 of %2 records. Check that it is on and cabled, then send Changed: it sends the rest.</source>
        <extracomment>&quot;Changed&quot; is the download&apos;s option of that name</extracomment>
        <translation>Die Waage antwortete nach %1 von %2 Datensätzen nicht mehr. Prüfen Sie, ob sie an und verkabelt ist, und senden Sie dann mit &quot;Geändert&quot;: das sendet den Rest.</translation>
    </message>
    <message>
        <source>The scale stopped answering after %1 of %2 records. Check that it is on and cabled, then upload again.</source>
        <translation>Die Waage antwortete nach %1 von %2 Datensätzen nicht mehr. Prüfen Sie, ob sie an und verkabelt ist, und lesen Sie dann erneut.</translation>
    </message>
    <message>
        <source>The scale stopped answering after %1 of %2 records. Check that it is on and cabled, then compare again.</source>
        <translation>Die Waage antwortete nach %1 von %2 Datensätzen nicht mehr. Prüfen Sie, ob sie an und verkabelt ist, und vergleichen Sie dann erneut.</translation>
    </message>
    <message>
        <source>The port was lost after %1 of %2 records (adapter pulled out?). Open it again, then send Changed.</source>
        <extracomment>&quot;Changed&quot; is the download&apos;s option of that name</extracomment>
        <translation>Der Anschluss ging nach %1 von %2 Datensätzen verloren (Adapter abgezogen?). Öffnen Sie ihn wieder und senden Sie dann mit &quot;Geändert&quot;.</translation>
    </message>
    <message>
        <source>The port was lost after %1 of %2 records (adapter pulled out?). Open it again, then upload again.</source>
        <translation>Der Anschluss ging nach %1 von %2 Datensätzen verloren (Adapter abgezogen?). Öffnen Sie ihn wieder und lesen Sie dann erneut.</translation>
    </message>
    <message>
        <source>The port was lost after %1 of %2 records (adapter pulled out?). Open it again, then compare again.</source>
        <translation>Der Anschluss ging nach %1 von %2 Datensätzen verloren (Adapter abgezogen?). Öffnen Sie ihn wieder und vergleichen Sie dann erneut.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>A download is running (%1 of %2 sent). Stop it and exit?</source>
        <extracomment>Exit&apos;s question while a download runs; %1 of %2 records sent so far</extracomment>
        <translation>Ein Senden läuft (%1 von %2 gesendet). Anhalten und beenden?</translation>
    </message>
    <message>
        <source>A download is running. Stop it and exit?</source>
        <translation>Ein Senden läuft. Anhalten und beenden?</translation>
    </message>
    <message>
        <source>An upload is running (%1 of %2 received). Stop it and exit?</source>
        <extracomment>Exit&apos;s question while an upload runs; %1 of %2 records received so far</extracomment>
        <translation>Ein Lesen läuft (%1 von %2 empfangen). Anhalten und beenden?</translation>
    </message>
    <message>
        <source>An upload is running. Stop it and exit?</source>
        <translation>Ein Lesen läuft. Anhalten und beenden?</translation>
    </message>
    <message>
        <source>A compare is running (%1 of %2 read). Stop it and exit?</source>
        <extracomment>Exit&apos;s question while a compare runs; %1 of %2 records read so far</extracomment>
        <translation>Ein Vergleich läuft (%1 von %2 gelesen). Anhalten und beenden?</translation>
    </message>
    <message>
        <source>A compare is running. Stop it and exit?</source>
        <translation>Ein Vergleich läuft. Anhalten und beenden?</translation>
    </message>
    <message>
        <source>A read of the scale&apos;s display is running. Stop it and exit?</source>
        <translation>Das Lesen der Waagenanzeige läuft. Anhalten und beenden?</translation>
    </message>
</context>
</TS>
