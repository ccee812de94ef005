<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Barcode</name>
    <message>
        <source>the barcode library is out of memory</source>
        <translation>brak pamięci w bibliotece kodów kreskowych</translation>
    </message>
</context>
<context>
    <name>ChangedPlan</name>
    <message>
        <source>The scale does not hold what Tarnlink last sent it: reading its table</source>
        <translation>Waga nie ma tego, co Tarnlink ostatnio wysłał: odczyt jej tabeli</translation>
    </message>
    <message>
        <source>Nothing to send: the scale&apos;s table, read now, holds this table</source>
        <translation>Nic do wysłania: odczytana właśnie tabela wagi jest zgodna z tą tabelą</translation>
    </message>
    <message>
        <source>The store cannot vouch for this scale: %1</source>
        <extracomment>%1: why the store&apos;s word is doubted, in the store&apos;s words</extracomment>
        <translation>Baza nie gwarantuje stanu tej wagi: %1</translation>
    </message>
    <message>
        <source>Nothing to send: the scale holds this table</source>
        <translation>Nic do wysłania: waga ma tę tabelę</translation>
    </message>
    <message>
        <source>Checking what the scale holds: its record %1 is not as Tarnlink sent it</source>
        <translation>Sprawdzanie zawartości wagi: jej rekord %1 jest inny, niż wysłał Tarnlink</translation>
    </message>
    <message>
        <source>Checking what the scale holds: asked for record %1, it sent record %2</source>
        <translation>Sprawdzanie zawartości wagi: zapytano o rekord %1, wysłała rekord %2</translation>
    </message>
    <message>
        <source>Checking what the scale holds: its record %1 is missing</source>
        <translation>Sprawdzanie zawartości wagi: brak jej rekordu %1</translation>
    </message>
    <message>
        <source>Checking what the scale holds: its slot %1 is empty</source>
        <translation>Sprawdzanie zawartości wagi: jej pozycja %1 jest pusta</translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>When the scale&apos;s whole table was last read: never</extracomment>
        <translation>nigdy</translation>
    </message>
    <message>
        <source>Nothing to send: 1 record read back agrees with what Tarnlink sent; whole table last read %1</source>
        <extracomment>%1: when the whole table was last read (&quot;today 14:02&quot;, &quot;never&quot;)</extracomment>
        <translation>Nic do wysłania: 1 odczytany rekord zgadza się z tym, co wysłał Tarnlink; ostatni odczyt całej tabeli: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to send: %n records read back agree with what Tarnlink sent; whole table last read %1</source>
        <extracomment>%1: when the whole table was last read (&quot;today 14:02&quot;, &quot;never&quot;)</extracomment>
        <translation>
            <numerusform>Nic do wysłania: %n odczytany rekord zgadza się z tym, co wysłał Tarnlink; ostatni odczyt całej tabeli: %1</numerusform>
            <numerusform>Nic do wysłania: %n odczytane rekordy zgadzają się z tym, co wysłał Tarnlink; ostatni odczyt całej tabeli: %1</numerusform>
            <numerusform>Nic do wysłania: %n odczytanych rekordów zgadza się z tym, co wysłał Tarnlink; ostatni odczyt całej tabeli: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>today %1</source>
        <extracomment>%1: a time of day, &quot;14:02&quot;</extracomment>
        <translation>dziś %1</translation>
    </message>
    <message>
        <source>yesterday %1</source>
        <extracomment>%1: a time of day, &quot;09:10&quot;</extracomment>
        <translation>wczoraj %1</translation>
    </message>
    <message>
        <source>Nothing to send: the scale held this table when last checked (%1)</source>
        <extracomment>%1: when it was last checked (&quot;today 14:02&quot;, &quot;yesterday 09:10&quot;, &quot;2026-12-03 14:02&quot;)</extracomment>
        <translation>Nic do wysłania: waga miała tę tabelę przy ostatnim sprawdzeniu (%1)</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to send; the scale also holds %n records this table does not have (Compare lists them)</source>
        <translation>
            <numerusform>Nic do wysłania; waga ma też %n rekord, którego nie ma ta tabela (wypisuje je „Porównaj”)</numerusform>
            <numerusform>Nic do wysłania; waga ma też %n rekordy, których nie ma ta tabela (wypisuje je „Porównaj”)</numerusform>
            <numerusform>Nic do wysłania; waga ma też %n rekordów, których nie ma ta tabela (wypisuje je „Porównaj”)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent; the scale also holds %n records this table does not have (Compare lists them)</source>
        <translation>
            <numerusform>Wysłano; waga ma też %n rekord, którego nie ma ta tabela (wypisuje je „Porównaj”)</numerusform>
            <numerusform>Wysłano; waga ma też %n rekordy, których nie ma ta tabela (wypisuje je „Porównaj”)</numerusform>
            <numerusform>Wysłano; waga ma też %n rekordów, których nie ma ta tabela (wypisuje je „Porównaj”)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 wymaga wartości</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nie przyjmuje wartości</translation>
    </message>
    <message>
        <source>--port &quot;%1&quot;: %2</source>
        <translation>--port &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>--port %1 is given twice</source>
        <translation>--port %1 podano dwa razy</translation>
    </message>
    <message>
        <source>--port %1 and --port %2 are one port: %3</source>
        <translation>--port %1 i --port %2 to ten sam port: %3</translation>
    </message>
    <message>
        <source>%1 needs a port: give --port PORT, or name the scale to use in %2 (&quot;port = NAME&quot;)</source>
        <translation>%1 wymaga portu: podaj --port PORT lub nazwę wagi w %2 (&quot;port = NAME&quot;)</translation>
    </message>
    <message>
        <source>--format is text, csv or json, not %1</source>
        <translation>--format to text, csv lub json, nie %1</translation>
    </message>
    <message>
        <source>%1 needs plu|ingred and %2</source>
        <translation>%1 wymaga plu|ingred i %2</translation>
    </message>
    <message>
        <source>%1 needs plu|ingred, %2 and %3</source>
        <translation>%1 wymaga plu|ingred, %2 i %3</translation>
    </message>
    <message>
        <source>%1 needs plu|ingred, %2, %3 and %4</source>
        <translation>%1 wymaga plu|ingred, %2, %3 i %4</translation>
    </message>
    <message>
        <source>%1: the table is plu or ingred, not %2</source>
        <translation>%1: tabela to plu lub ingred, nie %2</translation>
    </message>
    <message>
        <source>%1: %2 tables are kept in .%2 files and .XLS, .XLSX, .ODS, .FODS, .CSV or .TXT spreadsheets</source>
        <translation>%1: tabele %2 są przechowywane w plikach .%2 oraz arkuszach .XLS, .XLSX, .ODS, .FODS, .CSV lub .TXT</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>ostrzeżenie: %1</translation>
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
        <translation>  --port PORT   COM1, COM2, ścieżka urządzenia szeregowego, tcp:HOST:PORT dla
                wagi za sieciowym serwerem portów szeregowych (HOST to nazwa,
                adres IPv4 lub adres [IPv6]) albo nazwa wagi z pliku ustawień;
                bez tej opcji &quot;port&quot; z pliku ustawień. download obsługuje do
                %1 i wysyła te same rekordy na wszystkie porty naraz; każdy
                wiersz zaczyna się od &quot;nazwa PORTU: &quot;
</translation>
    </message>
    <message>
        <source>  --one N       the record in slot N (download) or the number N (upload)
</source>
        <translation>  --one N       rekord na pozycji N (download) lub o numerze N (upload)
</translation>
    </message>
    <message>
        <source>  --range S E   slots S to E (download)
</source>
        <translation>  --range S E   pozycje od S do E (download)
</translation>
    </message>
    <message>
        <source>  --all         every record (the default)
</source>
        <translation>  --all         wszystkie rekordy (domyślnie)
</translation>
    </message>
    <message>
        <source>  -o OUT.pdf    labels: the PDF file to write
</source>
        <translation>  -o OUT.pdf    labels: plik PDF do zapisania
</translation>
    </message>
    <message>
        <source>  --printer NAME
                labels: the system&apos;s printer to print on
</source>
        <translation>  --printer NAME
                labels: drukarka systemowa, na której drukować
</translation>
    </message>
    <message>
        <source>  --layout L    labels: the sheet, 3x8, 2x7, 4x10, roll or settings
                (the settings file&apos;s [labels])
</source>
        <translation>  --layout L    labels: arkusz, 3x8, 2x7, 4x10, roll lub settings
                ([labels] z pliku ustawień)
</translation>
    </message>
    <message>
        <source>  --skip N      labels: leave the first N labels of the first sheet empty
</source>
        <translation>  --skip N      labels: pozostaw puste pierwsze N etykiet pierwszego arkusza
</translation>
    </message>
    <message>
        <source>  --list        labels: the price list instead, one row a record
</source>
        <translation>  --list        labels: zamiast etykiet cennik, jeden wiersz na rekord
</translation>
    </message>
    <message>
        <source>  --changed     download: only the records the scale on each port does not
                hold as they stand, by what Tarnlink sent it or read from it;
                labels: only the labels that print otherwise than when last
                printed from FILE, or with --port what a Changed download
                would send to that scale
</source>
        <translation>  --changed     download: tylko rekordy, których waga na danym porcie nie ma
                w obecnej postaci, wg tego, co Tarnlink jej wysłał lub z niej
                odczytał; labels: tylko etykiety, które wydrukują się inaczej
                niż przy ostatnim druku z FILE, lub z --port to, co wysłałoby
                do tej wagi wysyłanie „Zmienione”
</translation>
    </message>
    <message>
        <source>  --verify      download: read the table back after it and list the records
                the scale holds differently
</source>
        <translation>  --verify      download: po wysłaniu odczytaj tabelę i wypisz rekordy,
                które waga ma inaczej
</translation>
    </message>
    <message>
        <source>  --plu N, --ingred N
                history: only the transfers of that record
</source>
        <translation>  --plu N, --ingred N
                history: tylko transmisje tego rekordu
</translation>
    </message>
    <message>
        <source>  --since WHEN  history: only the transfers started since WHEN (2026-12-07 or
                &quot;2026-12-07 14:00&quot;, local time)
</source>
        <translation>  --since WHEN  history: tylko transmisje rozpoczęte od WHEN (2026-12-07 lub
                &quot;2026-12-07 14:00&quot;, czas lokalny)
</translation>
    </message>
    <message>
        <source>  --limit N     history: the newest N transfers (default 50; 0: all)
</source>
        <translation>  --limit N     history: N najnowszych transmisji (domyślnie 50; 0: wszystkie)
</translation>
    </message>
    <message>
        <source>  --map MAP     merge: FIELD=COLUMN,... each table field (&quot;PLU No&quot;, &quot;U/Price&quot;,
                ...) and the list&apos;s column that fills it, by header text or letter
</source>
        <translation>  --map MAP     merge: FIELD=COLUMN,... każde pole tabeli (&quot;PLU No&quot;, &quot;U/Price&quot;,
                ...) i kolumna listy, która je wypełnia, wg nagłówka lub litery
</translation>
    </message>
    <message>
        <source>  --price-decimals N
                merge: the list&apos;s prices have up to N decimals, 0 to 3
                (default the settings file&apos;s &quot;price decimals&quot;, 2)
</source>
        <translation>  --price-decimals N
                merge: ceny na liście mają do N miejsc po przecinku, od 0 do 3
                (domyślnie &quot;price decimals&quot; z pliku ustawień, 2)
</translation>
    </message>
    <message>
        <source>  --format F    text (the default), csv or json: compare&apos;s differences,
                history&apos;s transfers, download&apos;s outcome on each port,
                the scales the store knows, status&apos;s rows; times in ISO 8601
                with their offset
</source>
        <translation>  --format F    text (domyślnie), csv lub json: różnice compare, transmisje
                history, wynik download na każdym porcie, wagi znane bazie,
                wiersze status; czasy w ISO 8601 z przesunięciem strefy
</translation>
    </message>
    <message>
        <source>  --quiet       only results and errors: no status texts, progress or warnings
</source>
        <translation>  --quiet       tylko wyniki i błędy: bez komunikatów stanu, postępu i ostrzeżeń
</translation>
    </message>
    <message>
        <source>  --help        this text (after a command: that command&apos;s)
</source>
        <translation>  --help        ten tekst (po poleceniu: tekst tego polecenia)
</translation>
    </message>
    <message>
        <source>  --version     the program&apos;s version
</source>
        <translation>  --version     wersja programu
</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>Begins the usage lines (a blank follows); the lines below it are indented as far.</extracomment>
        <translation>Użycie:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <source>man tarnlink-cli has the details.</source>
        <translation>Szczegóły: man tarnlink-cli.</translation>
    </message>
    <message>
        <source>Sends the PLU and ingredient tables of a label-printing scale, reads them back and
converts their files, as the Tarnlink window does, without a window.</source>
        <extracomment>The lines of --help, each of at most 80 columns.</extracomment>
        <translation>Wysyła tabele PLU i składników wagi drukującej etykiety, odczytuje je z powrotem
i konwertuje ich pliki, tak jak okno Tarnlink, ale bez okna.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Polecenia:</translation>
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
        <translation>FILE, TABLE, IN i OUT to pliki tabel .PLU lub .INGRED albo arkusze .XLS, .XLSX,
.ODS, .FODS, .CSV lub .TXT, wg rozszerzenia (IN dla merge to arkusz). Rekordy
arkusza po 200. lub puste A1 są zgłaszane w ostrzeżeniu na stderr.
Każdy tekst, który okno pokazałoby w wierszu stanu, jest drukowany w osobnym
wierszu na stdout, a błędy (&quot;ERROR! ...&quot;) na stderr; w terminalu teksty zadania
to jeden wiersz postępu na port.
Nazwy wag, port używany bez --port, baza tego, co mają wagi (store = FILE lub
postgresql://...) oraz nazwy tego komputera i tego sklepu w niej (pc =,
domyślnie nazwa hosta; shop =, domyślnie nazwa komputera) pochodzą z pliku
ustawień %1.
Kod wyjścia: 0 zadanie zakończone normalnie, 1 odrzucone lub nieudane, 2 nie
zrozumiano wiersza poleceń, 3 compare lub --verify wykazało, że waga ma rekordy
inaczej (status: waga nie ma tabeli), 4 port zajęty przez inny program,
5 wysłano, ale nie zapisano w bazie, 130, 143 lub 129 przerwano przez Ctrl-C,
SIGTERM lub SIGHUP.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nie podano polecenia</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>przerwano</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>nieznane polecenie %1</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>nie można pisać na standardowe wyjście: %1</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>not on the scale</source>
        <translation>brak na wadze</translation>
    </message>
    <message>
        <source>only on the scale</source>
        <translation>tylko na wadze</translation>
    </message>
    <message>
        <source>only on the scale: %1</source>
        <extracomment>%1: the record as the scale holds it, &quot;PEARS, U/Price 349&quot;</extracomment>
        <translation>tylko na wadze: %1</translation>
    </message>
    <message>
        <source>%1 PC %2, scale %3</source>
        <extracomment>A field that differs: its name as in the files (&quot;U/Price&quot;), the PC&apos;s value, the scale&apos;s value.</extracomment>
        <translation>%1 komputer %2, waga %3</translation>
    </message>
    <message>
        <source>Read the scale&apos;s table and list the records it holds unlike FILE.</source>
        <translation>Odczytaj tabelę wagi i wypisz rekordy, które ma inaczej niż FILE.</translation>
    </message>
    <message>
        <source>compare reads from one port</source>
        <translation>compare czyta z jednego portu</translation>
    </message>
    <message>
        <source>The scale holds this table</source>
        <translation>Waga ma tę tabelę</translation>
    </message>
    <message numerus="yes">
        <source>The scale holds %n record(s) differently</source>
        <translation>
            <numerusform>Na wadze różni się %n rekord</numerusform>
            <numerusform>Na wadze różnią się %n rekordy</numerusform>
            <numerusform>Na wadze różni się %n rekordów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>write error</source>
        <translation>błąd zapisu</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>Load the table from IN and save it to OUT.</source>
        <translation>Wczytaj tabelę z IN i zapisz ją do OUT.</translation>
    </message>
    <message>
        <source>convert does not use a port</source>
        <translation>convert nie używa portu</translation>
    </message>
    <message>
        <source>%1: its first row is not the header of a PLU table: this looks like a price list: use tarnlink-cli merge</source>
        <translation>%1: pierwszy wiersz nie jest nagłówkiem tabeli PLU: to wygląda na cennik: użyj tarnlink-cli merge</translation>
    </message>
    <message>
        <source>%1: its first row is not the header of an ingredient table: this looks like a price list: use tarnlink-cli merge</source>
        <translation>%1: pierwszy wiersz nie jest nagłówkiem tabeli składników: to wygląda na cennik: użyj tarnlink-cli merge</translation>
    </message>
</context>
<context>
    <name>CsvSheet</name>
    <message>
        <source>line %1: a byte that is not %2, although the file starts as %2</source>
        <extracomment>%2 is the encoding, UTF-8 or UTF-16</extracomment>
        <translation>wiersz %1: bajt spoza %2, choć plik zaczyna się jako %2</translation>
    </message>
    <message>
        <source>line %1: a quoted field has no closing quote</source>
        <translation>wiersz %1: pole w cudzysłowie nie ma cudzysłowu zamykającego</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Read the scale&apos;s weight, unit price and total price once.</source>
        <translation>Odczytaj raz masę, cenę jednostkową i należność z wagi.</translation>
    </message>
    <message>
        <source>display takes no %1</source>
        <translation>display nie przyjmuje %1</translation>
    </message>
    <message>
        <source>display reads one port</source>
        <translation>display czyta jeden port</translation>
    </message>
    <message>
        <source>the scale did not answer on %1</source>
        <translation>waga nie odpowiedziała na %1</translation>
    </message>
    <message>
        <source>Weight %1</source>
        <extracomment>%1: the scale&apos;s weight read-out as it shows it</extracomment>
        <translation>Masa %1</translation>
    </message>
    <message>
        <source>Unit %1</source>
        <extracomment>%1: the scale&apos;s unit price read-out as it shows it</extracomment>
        <translation>Cena jedn. %1</translation>
    </message>
    <message>
        <source>Price %1</source>
        <extracomment>%1: the scale&apos;s total price read-out as it shows it</extracomment>
        <translation>Należność %1</translation>
    </message>
    <message>
        <source>the scale sent no display record on %1</source>
        <translation>waga nie wysłała rekordu wyświetlacza na %1</translation>
    </message>
</context>
<context>
    <name>Download</name>
    <message>
        <source>%1 %2 is longer than the scale keeps; it keeps &quot;%3&quot;</source>
        <extracomment>%1: the record (&quot;plu#2&quot;), %2: its field as in the files (&quot;Item name1&quot;), %3: the part of the text the scale keeps</extracomment>
        <translation>%1 %2: tekst dłuższy, niż mieści waga; zachowa „%3”</translation>
    </message>
    <message>
        <source>Load FILE and send its records to the scale on every port at once.</source>
        <translation>Wczytaj FILE i wyślij jego rekordy do wagi na każdym porcie naraz.</translation>
    </message>
    <message>
        <source>download takes one of --one, --range, --all and --changed</source>
        <translation>download przyjmuje jedną z opcji --one, --range, --all i --changed</translation>
    </message>
    <message>
        <source>--range needs 2 values</source>
        <translation>--range wymaga 2 wartości</translation>
    </message>
    <message>
        <source>download takes at most %1 ports</source>
        <translation>download: maksymalna liczba portów to %1</translation>
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
        <translation>Komunikat %1 %2</translation>
    </message>
    <message>
        <source>no saved records</source>
        <translation>brak zapisanych rekordów</translation>
    </message>
    <message>
        <source>not a row number</source>
        <translation>to nie numer wiersza</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>The row a download&apos;s &quot;One&quot; choice selects, as the start of the text beside its box</extracomment>
        <translation>wiersz %1</translation>
    </message>
    <message>
        <source>rows %1 to %2</source>
        <extracomment>The rows a download&apos;s &quot;Multiple&quot; choice selects</extracomment>
        <translation>wiersze od %1 do %2</translation>
    </message>
    <message>
        <source>%1: past the last record (%2)</source>
        <extracomment>%1: &quot;row 5&quot; or &quot;rows 5 to 9&quot;; %2: the number of records in the table</extracomment>
        <translation>%1: za ostatnim rekordem (%2)</translation>
    </message>
    <message>
        <source>%1: nothing</source>
        <extracomment>%1: &quot;rows 5 to 3&quot;; the download sends no record</extracomment>
        <translation>%1: nic</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>The first and the last record selected: &quot;PLU 12 APPLE to PLU 14 PEAR&quot;</extracomment>
        <translation>od %1 do %2</translation>
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
        <translation>Tabela %1 ma niezapisane zmiany.</translation>
    </message>
    <message>
        <source>The %1 and %2 tables have changes that are not saved.</source>
        <extracomment>%1 and %2: the changed tables&apos; names, PLU and INGRED</extracomment>
        <translation>Tabele %1 i %2 mają niezapisane zmiany.</translation>
    </message>
    <message>
        <source>Save them before Tarnlink ends?</source>
        <translation>Zapisać je przed zamknięciem Tarnlink?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>Saves the changed tables</extracomment>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Disc&amp;ard</source>
        <extracomment>Drops the changes</extracomment>
        <translation>&amp;Odrzuć</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Stop and exit</source>
        <translation>Zatrzymaj i za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Go on</source>
        <extracomment>Lets the exchange go on and the program stay open</extracomment>
        <translation>Kontyn&amp;uuj</translation>
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
        <translation>Plik PLU</translation>
    </message>
    <message>
        <source>INGRED file</source>
        <translation>Plik INGRED</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 już istnieje.
Zastąpić ten plik?</translation>
    </message>
    <message>
        <source>PDF File</source>
        <translation>Plik PDF</translation>
    </message>
    <message>
        <source>Price lists</source>
        <translation>Cenniki</translation>
    </message>
    <message>
        <source>Excel File</source>
        <translation>Plik Excel</translation>
    </message>
    <message>
        <source>Excel Workbook</source>
        <translation>Skoroszyt Excel</translation>
    </message>
    <message>
        <source>OpenDocument Spreadsheet</source>
        <translation>Arkusz OpenDocument</translation>
    </message>
    <message>
        <source>CSV File</source>
        <translation>Plik CSV</translation>
    </message>
    <message>
        <source>ALL File</source>
        <extracomment>a filter of the file dialogs: files of any kind</extracomment>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <source>All spreadsheets</source>
        <translation>Wszystkie arkusze</translation>
    </message>
</context>
<context>
    <name>Handshake</name>
    <message>
        <source>Retry #</source>
        <extracomment>followed by the number of the retry</extracomment>
        <translation>Próba #</translation>
    </message>
    <message>
        <source>SyncOK error</source>
        <translation>Błąd SyncOK</translation>
    </message>
    <message>
        <source>ERROR! plu#%1: no valid answer after 10 restarts</source>
        <translation>ERROR! plu#%1: brak poprawnej odpowiedzi po 10 restartach</translation>
    </message>
    <message>
        <source>Sync error PLU No : %1</source>
        <translation>Błąd synchronizacji PLU No : %1</translation>
    </message>
    <message>
        <source>Download command error</source>
        <translation>Błąd polecenia wysyłania</translation>
    </message>
    <message>
        <source>PLU # is not same</source>
        <translation>Numer PLU się nie zgadza</translation>
    </message>
    <message>
        <source>Sync error Message No : %1</source>
        <translation>Błąd synchronizacji nr komunikatu : %1</translation>
    </message>
    <message>
        <source>Message # is not same</source>
        <translation>Numer komunikatu się nie zgadza</translation>
    </message>
    <message>
        <source>ERROR! Message#%1: no valid answer after 10 restarts</source>
        <translation>ERROR! Message#%1: brak poprawnej odpowiedzi po 10 restartach</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Błąd synchronizacji</translation>
    </message>
    <message>
        <source>Upload command error</source>
        <translation>Błąd polecenia odczytu</translation>
    </message>
    <message>
        <source>Receive PLU time out</source>
        <translation>Przekroczono czas odbioru PLU</translation>
    </message>
    <message>
        <source>Receive INGRED time out</source>
        <translation>Przekroczono czas odbioru INGRED</translation>
    </message>
    <message>
        <source>ERROR! INGRED#%1: no valid answer after 10 restarts</source>
        <translation>ERROR! INGRED#%1: brak poprawnej odpowiedzi po 10 restartach</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>A job&apos;s start (date and time) and end (time)</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 (never ended)</source>
        <translation>%1 (nie zakończono)</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n rekord</numerusform>
            <numerusform>%n rekordy</numerusform>
            <numerusform>%n rekordów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n differ</source>
        <extracomment>Records a compare or verify found held differently</extracomment>
        <translation>
            <numerusform>%n różnica</numerusform>
            <numerusform>%n różnice</numerusform>
            <numerusform>%n różnic</numerusform>
        </translation>
    </message>
    <message>
        <source>List the jobs run on the scales, newest first.</source>
        <translation>Wypisz zadania wykonane na wagach, od najnowszych.</translation>
    </message>
    <message>
        <source>history takes no %1</source>
        <translation>history nie przyjmuje %1</translation>
    </message>
    <message>
        <source>history takes one --port</source>
        <translation>history przyjmuje jeden --port</translation>
    </message>
    <message>
        <source>history takes one of --plu and --ingred</source>
        <translation>history przyjmuje jedną z opcji --plu i --ingred</translation>
    </message>
    <message>
        <source>--%1 takes a number from 1 to %2</source>
        <extracomment>%1: the option&apos;s name (&quot;plu&quot;), %2: the highest number</extracomment>
        <translation>--%1 przyjmuje liczbę od 1 do %2</translation>
    </message>
    <message>
        <source>--since takes a date: YYYY-MM-DD or &quot;YYYY-MM-DD HH:MM&quot;</source>
        <translation>--since przyjmuje datę: YYYY-MM-DD lub &quot;YYYY-MM-DD HH:MM&quot;</translation>
    </message>
    <message>
        <source>--limit takes a number: the newest N jobs (0: all)</source>
        <translation>--limit przyjmuje liczbę: N najnowszych zadań (0: wszystkie)</translation>
    </message>
    <message>
        <source>%1 %2 (slot %3) at %4</source>
        <extracomment>A record&apos;s moment in a job: table, number, slot, date and time</extracomment>
        <translation>%1 %2 (pozycja %3), %4</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message numerus="yes">
        <source>Checking what the scale holds: reading back %n record(s)</source>
        <translation>
            <numerusform>Sprawdzanie zawartości wagi: odczyt %n rekordu</numerusform>
            <numerusform>Sprawdzanie zawartości wagi: odczyt %n rekordów</numerusform>
            <numerusform>Sprawdzanie zawartości wagi: odczyt %n rekordów</numerusform>
        </translation>
    </message>
    <message>
        <source>Verify: the scale holds this table</source>
        <translation>Weryfikacja: waga ma tę tabelę</translation>
    </message>
    <message numerus="yes">
        <source>Verify: the scale holds %n record(s) differently</source>
        <translation>
            <numerusform>Weryfikacja: na wadze różni się %n rekord</numerusform>
            <numerusform>Weryfikacja: na wadze różnią się %n rekordy</numerusform>
            <numerusform>Weryfikacja: na wadze różni się %n rekordów</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped</source>
        <extracomment>The display read was stopped</extracomment>
        <translation>Zatrzymano</translation>
    </message>
    <message>
        <source>Stopped before the first record</source>
        <translation>Zatrzymano przed pierwszym rekordem</translation>
    </message>
    <message>
        <source>Stopped after plu#%1</source>
        <extracomment>%1: the slot or number of the last PLU record that went through</extracomment>
        <translation>Zatrzymano po plu#%1</translation>
    </message>
    <message>
        <source>Stopped after Message#%1</source>
        <extracomment>%1: the slot of the last ingredient record the scale took</extracomment>
        <translation>Zatrzymano po Message#%1</translation>
    </message>
    <message>
        <source>Stopped after INGRED#%1</source>
        <extracomment>%1: the number of the last ingredient record the scale gave</extracomment>
        <translation>Zatrzymano po INGRED#%1</translation>
    </message>
    <message>
        <source>ERROR! sent, not recorded: the store could not keep this job, so the next Changed download reads the scale&apos;s table first</source>
        <translation>ERROR! wysłano, ale nie zapisano: baza nie mogła zapisać tego zadania, więc następne wysyłanie „Zmienione” najpierw odczyta tabelę wagi</translation>
    </message>
    <message>
        <source>ERROR! not recorded: the store could not keep this job, so the next Changed download reads the scale&apos;s table first</source>
        <translation>ERROR! nie zapisano: baza nie mogła zapisać tego zadania, więc następne wysyłanie „Zmienione” najpierw odczyta tabelę wagi</translation>
    </message>
</context>
<context>
    <name>LabelContent</name>
    <message>
        <source>price unit is kg or each, not %1</source>
        <extracomment>&quot;price unit&quot; is a setting&apos;s name, &quot;kg&quot; and &quot;each&quot; its values: they stay as they are</extracomment>
        <translation>price unit to kg lub each, nie %1</translation>
    </message>
    <message>
        <source>barcode is code128, ean8 or instore, not %1</source>
        <extracomment>&quot;barcode&quot; is a setting&apos;s name, &quot;code128&quot;, &quot;ean8&quot; and &quot;instore&quot; its values</extracomment>
        <translation>barcode to code128, ean8 lub instore, nie %1</translation>
    </message>
    <message>
        <source>shop digit is one digit, 0 to 9, not %1</source>
        <extracomment>&quot;shop digit&quot; is a setting&apos;s name</extracomment>
        <translation>shop digit to jedna cyfra, od 0 do 9, nie %1</translation>
    </message>
    <message>
        <source>PLU %1: item code %2 is not a number of up to 10 digits: no barcode</source>
        <translation>PLU %1: kod towaru %2 nie jest liczbą do 10 cyfr: brak kodu kreskowego</translation>
    </message>
    <message>
        <source>PLU %1: item code %2 does not end in its EAN-8 check digit: Code 128 instead</source>
        <translation>PLU %1: kod towaru %2 nie kończy się cyfrą kontrolną EAN-8: zamiast tego Code 128</translation>
    </message>
    <message>
        <source>PLU %1: item code %2 is not 7 or 8 digits: Code 128 instead</source>
        <translation>PLU %1: kod towaru %2 nie ma 7 ani 8 cyfr: zamiast tego Code 128</translation>
    </message>
    <message>
        <source>per kg</source>
        <extracomment>printed on a label after the price</extracomment>
        <translation>za kg</translation>
    </message>
    <message>
        <source>each</source>
        <extracomment>printed on a label after the price</extracomment>
        <translation>za szt.</translation>
    </message>
    <message>
        <source>use within 1 day</source>
        <translation>spożyć w ciągu 1 dnia</translation>
    </message>
    <message numerus="yes">
        <source>use within %n days</source>
        <translation>
            <numerusform>spożyć w ciągu %n dnia</numerusform>
            <numerusform>spożyć w ciągu %n dni</numerusform>
            <numerusform>spożyć w ciągu %n dni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LabelLayout</name>
    <message>
        <source>a sheet has at least 1 column and 1 row</source>
        <translation>arkusz ma co najmniej 1 kolumnę i 1 wiersz</translation>
    </message>
    <message>
        <source>a label is wider and higher than 0 mm</source>
        <translation>etykieta ma szerokość i wysokość większą niż 0 mm</translation>
    </message>
    <message numerus="yes">
        <source>%n column(s) of %1 mm with gaps of %2 mm need %3 mm, the page is %4 mm wide</source>
        <translation>
            <numerusform>%n kolumna po %1 mm z odstępami %2 mm wymaga %3 mm, strona ma %4 mm szerokości</numerusform>
            <numerusform>%n kolumny po %1 mm z odstępami %2 mm wymagają %3 mm, strona ma %4 mm szerokości</numerusform>
            <numerusform>%n kolumn po %1 mm z odstępami %2 mm wymaga %3 mm, strona ma %4 mm szerokości</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of %1 mm with gaps of %2 mm need %3 mm, the page is %4 mm high</source>
        <translation>
            <numerusform>%n wiersz po %1 mm z odstępami %2 mm wymaga %3 mm, strona ma %4 mm wysokości</numerusform>
            <numerusform>%n wiersze po %1 mm z odstępami %2 mm wymagają %3 mm, strona ma %4 mm wysokości</numerusform>
            <numerusform>%n wierszy po %1 mm z odstępami %2 mm wymaga %3 mm, strona ma %4 mm wysokości</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n column(s) of %1 mm with gaps of %2 mm from a margin of %3 mm need %4 mm, the page is %5 mm wide</source>
        <translation>
            <numerusform>%n kolumna po %1 mm z odstępami %2 mm od marginesu %3 mm wymaga %4 mm, strona ma %5 mm szerokości</numerusform>
            <numerusform>%n kolumny po %1 mm z odstępami %2 mm od marginesu %3 mm wymagają %4 mm, strona ma %5 mm szerokości</numerusform>
            <numerusform>%n kolumn po %1 mm z odstępami %2 mm od marginesu %3 mm wymaga %4 mm, strona ma %5 mm szerokości</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of %1 mm with gaps of %2 mm from a margin of %3 mm need %4 mm, the page is %5 mm high</source>
        <translation>
            <numerusform>%n wiersz po %1 mm z odstępami %2 mm od marginesu %3 mm wymaga %4 mm, strona ma %5 mm wysokości</numerusform>
            <numerusform>%n wiersze po %1 mm z odstępami %2 mm od marginesu %3 mm wymagają %4 mm, strona ma %5 mm wysokości</numerusform>
            <numerusform>%n wierszy po %1 mm z odstępami %2 mm od marginesu %3 mm wymaga %4 mm, strona ma %5 mm wysokości</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a setting of a label sheet (layout, page, label, columns, rows, margins, gaps)</source>
        <extracomment>the names in brackets are the settings&apos; names: they stay as they are</extracomment>
        <translation>%1 nie jest ustawieniem arkusza etykiet (layout, page, label, columns, rows, margins, gaps)</translation>
    </message>
    <message>
        <source>layout: %1 is none of %2</source>
        <extracomment>&quot;layout&quot; is a setting&apos;s name; %2 lists the sheets&apos; names</extracomment>
        <translation>layout: %1 nie jest żadnym z: %2</translation>
    </message>
    <message>
        <source>page: %1 is not A4, A5, Letter or WIDTHxHEIGHT in mm</source>
        <extracomment>&quot;page&quot;, &quot;A4&quot;, &quot;A5&quot; and &quot;Letter&quot; are the settings&apos; words</extracomment>
        <translation>page: %1 to nie A4, A5, Letter ani WIDTHxHEIGHT w mm</translation>
    </message>
    <message>
        <source>label: %1 is not WIDTHxHEIGHT in mm</source>
        <extracomment>&quot;label&quot; is a setting&apos;s name</extracomment>
        <translation>label: %1 to nie WIDTHxHEIGHT w mm</translation>
    </message>
    <message>
        <source>%1: %2 is not a number from 1 to 50</source>
        <extracomment>%1 is a setting&apos;s name (columns, rows), %2 its value</extracomment>
        <translation>%1: %2 nie jest liczbą od 1 do 50</translation>
    </message>
    <message>
        <source>gaps: %1 is not ACROSS DOWN in mm</source>
        <extracomment>&quot;gaps&quot; is a setting&apos;s name</extracomment>
        <translation>gaps: %1 to nie ACROSS DOWN w mm</translation>
    </message>
    <message>
        <source>margins: %1 is not LEFT TOP in mm</source>
        <extracomment>&quot;margins&quot; is a setting&apos;s name</extracomment>
        <translation>margins: %1 to nie LEFT TOP w mm</translation>
    </message>
    <message>
        <source>does not fit: %1</source>
        <extracomment>%1 says what does not fit</extracomment>
        <translation>nie mieści się: %1</translation>
    </message>
    <message>
        <source>%1 is not a label sheet: %2 or settings</source>
        <extracomment>%2 lists the sheets&apos; names; &quot;settings&quot; is a name too, and stays as it is</extracomment>
        <translation>%1 nie jest arkuszem etykiet: %2 lub settings</translation>
    </message>
</context>
<context>
    <name>LabelPrint</name>
    <message>
        <source>1 day</source>
        <extracomment>the price list&apos;s column &quot;Use within&quot;</extracomment>
        <translation>1 dzień</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n dzień</numerusform>
            <numerusform>%n dni</numerusform>
            <numerusform>%n dni</numerusform>
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
        <translation>Nazwa 1</translation>
    </message>
    <message>
        <source>Item name2</source>
        <translation>Nazwa 2</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Cena</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jedn.</translation>
    </message>
    <message>
        <source>Item code</source>
        <translation>Kod towaru</translation>
    </message>
    <message>
        <source>Use within</source>
        <translation>Spożyć w ciągu</translation>
    </message>
    <message>
        <source>Price list</source>
        <extracomment>the heading of the printed price list</extracomment>
        <translation>Cennik</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
    <message>
        <source>there is no printer %1 (this PC has none)</source>
        <translation>brak drukarki %1 (ten komputer nie ma żadnej)</translation>
    </message>
    <message>
        <source>there is no printer %1 (this PC has %2)</source>
        <extracomment>%2 lists the printers this PC has</extracomment>
        <translation>brak drukarki %1 (ten komputer ma: %2)</translation>
    </message>
    <message>
        <source>the printer %1 failed</source>
        <translation>błąd drukarki %1</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Print shelf labels, or the price list, of FILE&apos;s PLU records.</source>
        <translation>Drukuj etykiety półkowe lub cennik rekordów PLU z FILE.</translation>
    </message>
    <message>
        <source>labels are printed from the plu table</source>
        <translation>etykiety drukuje się z tabeli plu</translation>
    </message>
    <message>
        <source>labels takes one of --one, --range, --all and --changed</source>
        <translation>labels przyjmuje jedną z opcji --one, --range, --all i --changed</translation>
    </message>
    <message>
        <source>labels needs one of -o OUT.pdf and --printer NAME</source>
        <translation>labels wymaga jednej z opcji -o OUT.pdf i --printer NAME</translation>
    </message>
    <message>
        <source>%1: labels are written to a .pdf file</source>
        <translation>%1: etykiety zapisuje się do pliku .pdf</translation>
    </message>
    <message>
        <source>--one is a slot from 1 to %1, not %2</source>
        <translation>--one to pozycja od 1 do %1, nie %2</translation>
    </message>
    <message>
        <source>--range is two slots S &lt;= E from 1 to %1, not %2</source>
        <translation>--range to dwie pozycje S &lt;= E od 1 do %1, nie %2</translation>
    </message>
    <message>
        <source>labels takes --port with --changed: the records a Changed download would send to that scale</source>
        <translation>labels przyjmuje --port z --changed: rekordy, które wysyłanie „Zmienione” wysłałoby do tej wagi</translation>
    </message>
    <message>
        <source>labels --changed asks about one port</source>
        <translation>labels --changed dotyczy jednego portu</translation>
    </message>
    <message>
        <source>--skip is 0 to %1 on a %2 sheet of %3 labels, not %4</source>
        <extracomment>%2: the sheet&apos;s name (&quot;3x8&quot;, &quot;roll&quot;, &quot;settings&quot;)</extracomment>
        <translation>--skip to od 0 do %1 na arkuszu %2 (etykiet: %3), nie %4</translation>
    </message>
    <message>
        <source>No labels to print: the table is empty</source>
        <translation>Brak etykiet do druku: tabela jest pusta</translation>
    </message>
    <message numerus="yes">
        <source>ERROR! slot %1 is past the table&apos;s %n record(s)</source>
        <translation>
            <numerusform>ERROR! pozycja %1 wykracza poza tabelę (%n rekord)</numerusform>
            <numerusform>ERROR! pozycja %1 wykracza poza tabelę (%n rekordy)</numerusform>
            <numerusform>ERROR! pozycja %1 wykracza poza tabelę (%n rekordów)</numerusform>
        </translation>
    </message>
    <message>
        <source>No labels to print: every label was printed as it stands</source>
        <translation>Brak etykiet do druku: każdą etykietę wydrukowano już w obecnej postaci</translation>
    </message>
    <message>
        <source>the scale on %1 was not checked: these are the records the store says it does not hold (%2)</source>
        <translation>waga na %1 nie została sprawdzona: to rekordy, których według bazy nie ma (%2)</translation>
    </message>
    <message>
        <source>the scale on %1 was not checked: these are the records the store says it does not hold</source>
        <translation>waga na %1 nie została sprawdzona: to rekordy, których według bazy nie ma</translation>
    </message>
    <message>
        <source>No labels to print: the scale holds every record as it stands</source>
        <translation>Brak etykiet do druku: waga ma każdy rekord w obecnej postaci</translation>
    </message>
    <message>
        <source>Price list</source>
        <extracomment>The title of the PDF file or the printer&apos;s job</extracomment>
        <translation>Cennik</translation>
    </message>
    <message>
        <source>Labels</source>
        <extracomment>The title of the PDF file or the printer&apos;s job</extracomment>
        <translation>Etykiety</translation>
    </message>
    <message numerus="yes">
        <source>Price list: %n record(s) on %1 page(s) written to %2</source>
        <translation>
            <numerusform>Cennik: %n rekord, stron: %1, zapisano w %2</numerusform>
            <numerusform>Cennik: %n rekordy, stron: %1, zapisano w %2</numerusform>
            <numerusform>Cennik: %n rekordów, stron: %1, zapisano w %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Price list: %n record(s) on %1 page(s) sent to printer %2</source>
        <translation>
            <numerusform>Cennik: %n rekord, stron: %1, wysłano do drukarki %2</numerusform>
            <numerusform>Cennik: %n rekordy, stron: %1, wysłano do drukarki %2</numerusform>
            <numerusform>Cennik: %n rekordów, stron: %1, wysłano do drukarki %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Labels: %n on %1 page(s) written to %2</source>
        <extracomment>%n labels</extracomment>
        <translation>
            <numerusform>Etykiety: %n, stron: %1, zapisano w %2</numerusform>
            <numerusform>Etykiety: %n, stron: %1, zapisano w %2</numerusform>
            <numerusform>Etykiety: %n, stron: %1, zapisano w %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Labels: %n on %1 page(s) sent to printer %2</source>
        <extracomment>%n labels</extracomment>
        <translation>
            <numerusform>Etykiety: %n, stron: %1, wysłano do drukarki %2</numerusform>
            <numerusform>Etykiety: %n, stron: %1, wysłano do drukarki %2</numerusform>
            <numerusform>Etykiety: %n, stron: %1, wysłano do drukarki %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the store could not keep which labels were printed: a later --changed prints them again</source>
        <translation>baza nie mogła zapisać, które etykiety wydrukowano: późniejsze --changed wydrukuje je ponownie</translation>
    </message>
</context>
<context>
    <name>ListDialog</name>
    <message>
        <source>&amp;Close</source>
        <extracomment>the button that closes a list (Compare, History)</extracomment>
        <translation>Za&amp;mknij</translation>
    </message>
</context>
<context>
    <name>Merge</name>
    <message>
        <source>Merge a price list IN into TABLE and save the result to OUT.</source>
        <translation>Scal cennik IN z TABLE i zapisz wynik do OUT.</translation>
    </message>
    <message>
        <source>merge does not use a port</source>
        <translation>merge nie używa portu</translation>
    </message>
    <message>
        <source>%1: a price list is an .XLS, .XLSX, .ODS, .CSV or .TXT spreadsheet</source>
        <translation>%1: cennik to arkusz .XLS, .XLSX, .ODS, .CSV lub .TXT</translation>
    </message>
    <message>
        <source>merge needs --map, e.g. --map &quot;PLU No=Article,U/Price=Price&quot;</source>
        <extracomment>&quot;PLU No&quot; and &quot;U/Price&quot; are the table&apos;s field names, as they are in every language; &quot;Article&quot; and &quot;Price&quot; are a price list&apos;s column headers.</extracomment>
        <translation>merge wymaga --map, np. --map &quot;PLU No=Artykuł,U/Price=Cena&quot;</translation>
    </message>
    <message>
        <source>--price-decimals is for the plu table</source>
        <translation>--price-decimals dotyczy tabeli plu</translation>
    </message>
    <message>
        <source>--price-decimals is 0 to %1, not %2</source>
        <translation>--price-decimals to od 0 do %1, nie %2</translation>
    </message>
</context>
<context>
    <name>NumberResult</name>
    <message>
        <source>is not a number</source>
        <extracomment>after a field&apos;s name</extracomment>
        <translation>nie jest liczbą</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <extracomment>after a field&apos;s name; %1 is the text read</extracomment>
        <translation>%1 nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>is out of range</source>
        <extracomment>after a field&apos;s name</extracomment>
        <translation>jest poza zakresem</translation>
    </message>
</context>
<context>
    <name>OdsReader</name>
    <message>
        <source>elements nest deeper than %1 levels</source>
        <translation>elementy są zagnieżdżone głębiej niż na %1 poziomach</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>plik jest większy niż %1 MB</translation>
    </message>
    <message>
        <source>not an .ods spreadsheet</source>
        <translation>to nie jest arkusz .ods</translation>
    </message>
    <message>
        <source>the spreadsheet holds no table</source>
        <translation>arkusz nie zawiera tabeli</translation>
    </message>
    <message>
        <source>a repeat count of row %1 is not a number</source>
        <translation>liczba powtórzeń wiersza %1 nie jest liczbą</translation>
    </message>
</context>
<context>
    <name>OdsWriter</name>
    <message>
        <source>cannot build the spreadsheet</source>
        <translation>nie można utworzyć arkusza</translation>
    </message>
</context>
<context>
    <name>PortName</name>
    <message>
        <source>no port name</source>
        <translation>brak nazwy portu</translation>
    </message>
    <message>
        <source>not a network serial server&apos;s name (tcp:HOST:PORT)</source>
        <translation>to nie nazwa sieciowego serwera portów szeregowych (tcp:HOST:PORT)</translation>
    </message>
    <message>
        <source>the name is too long for a device</source>
        <translation>nazwa jest za długa dla urządzenia</translation>
    </message>
</context>
<context>
    <name>PriceList</name>
    <message>
        <source>ERROR! %1: more than %2 rows</source>
        <extracomment>%1 is the file&apos;s name</extracomment>
        <translation>ERROR! %1: więcej niż %2 wierszy</translation>
    </message>
    <message>
        <source>%1 is not a price</source>
        <extracomment>after a field&apos;s name; %1 is the text read</extracomment>
        <translation>%1 nie jest ceną</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <extracomment>after a field&apos;s name; %1 is the text read</extracomment>
        <translation>%1 nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>%1 has more than %2 decimals</source>
        <extracomment>after a field&apos;s name; %1 is the text read, %2 how many decimals a price has</extracomment>
        <translation>%1 ma więcej niż %2 miejsc po przecinku</translation>
    </message>
    <message>
        <source>is out of range</source>
        <extracomment>after a field&apos;s name</extracomment>
        <translation>jest poza zakresem</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not FIELD=COLUMN</source>
        <translation>„%1” nie ma postaci FIELD=COLUMN</translation>
    </message>
    <message>
        <source>%1 is not a field of the %2 table (%3)</source>
        <extracomment>%1 is the name given, %2 the table (PLU, INGRED), %3 its fields&apos; names</extracomment>
        <translation>%1 nie jest polem tabeli %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is mapped twice</source>
        <translation>%1 przypisano dwa razy</translation>
    </message>
    <message>
        <source>the list has no column &quot;%1&quot; (a header text of its first row, or a letter A to Z)</source>
        <translation>lista nie ma kolumny „%1” (tekst nagłówka z pierwszego wiersza lub litera od A do Z)</translation>
    </message>
    <message>
        <source>%1 must be mapped: it is the key</source>
        <translation>%1 musi być przypisane: to klucz</translation>
    </message>
    <message>
        <source>Price list: %1 changed, %2 new, %3 unchanged</source>
        <translation>Cennik: zmienione %1, nowe %2, bez zmian %3</translation>
    </message>
    <message>
        <source>Price list: %1 changed (%2), %3 new, %4 unchanged</source>
        <extracomment>%2 lists the fields changed, each with its count: &quot;U/Price 3, Tare 1&quot;</extracomment>
        <translation>Cennik: zmienione %1 (%2), nowe %3, bez zmian %4</translation>
    </message>
    <message>
        <source>ERROR! %1 must be mapped: it is the key</source>
        <translation>ERROR! %1 musi być przypisane: to klucz</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 jest puste</translation>
    </message>
    <message>
        <source>%1 %2 is also in sheet row %3</source>
        <extracomment>%1 is the key&apos;s field name, %2 the key</extracomment>
        <translation>%1 %2 jest też w wierszu arkusza %3</translation>
    </message>
    <message>
        <source>%1 %2 is in rows %3 and %4 of the table</source>
        <extracomment>%1 is the key&apos;s field name, %2 the key</extracomment>
        <translation>%1 %2 jest w wierszach %3 i %4 tabeli</translation>
    </message>
    <message>
        <source>%1 %2 is new and the table has no free row</source>
        <extracomment>%1 is the key&apos;s field name, %2 the key</extracomment>
        <translation>%1 %2: nowy rekord, a tabela nie ma wolnego wiersza</translation>
    </message>
</context>
<context>
    <name>RecordCodec</name>
    <message>
        <source>has no single-byte code for &apos;%1&apos;</source>
        <extracomment>after a field&apos;s name; %1 is the character</extracomment>
        <translation>nie ma kodu jednobajtowego dla &apos;%1&apos;</translation>
    </message>
    <message>
        <source>is negative</source>
        <extracomment>after a field&apos;s name</extracomment>
        <translation>ma wartość ujemną</translation>
    </message>
    <message>
        <source>is out of range: %1</source>
        <extracomment>after a field&apos;s name; %1 is the number read</extracomment>
        <translation>jest poza zakresem: %1</translation>
    </message>
</context>
<context>
    <name>Rows</name>
    <message>
        <source>SCALE</source>
        <extracomment>A column&apos;s header in the text form of tarnlink-cli scales and status, in capitals</extracomment>
        <translation>WAGA</translation>
    </message>
    <message>
        <source>PLACE</source>
        <translation>MIEJSCE</translation>
    </message>
    <message>
        <source>NAMES</source>
        <translation>NAZWY</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAZWA</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>KOMPUTER</translation>
    </message>
    <message>
        <source>USER</source>
        <translation>UŻYTKOWNIK</translation>
    </message>
    <message>
        <source>LAST JOB</source>
        <translation>OSTATNIE ZADANIE</translation>
    </message>
    <message>
        <source>OUTCOME</source>
        <translation>WYNIK</translation>
    </message>
    <message>
        <source>ENDED</source>
        <translation>ZAKOŃCZONO</translation>
    </message>
    <message>
        <source>HOW ENDED</source>
        <translation>JAK ZAKOŃCZONO</translation>
    </message>
    <message>
        <source>CONFIRMED</source>
        <translation>POTWIERDZONO</translation>
    </message>
    <message>
        <source>HOLDS</source>
        <translation>ZAWIERA</translation>
    </message>
    <message>
        <source>DIFFER</source>
        <translation>RÓŻNICE</translation>
    </message>
    <message>
        <source>ALSO HOLDS</source>
        <translation>ZAWIERA TEŻ</translation>
    </message>
    <message>
        <source>WHY</source>
        <translation>PRZYCZYNA</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>the disk took only part of the file</source>
        <translation>dysk przyjął tylko część pliku</translation>
    </message>
</context>
<context>
    <name>SafetyQuestions</name>
    <message>
        <source>1 text is longer than the scale keeps; it will keep:</source>
        <translation>1 tekst jest dłuższy, niż mieści waga; zachowa:</translation>
    </message>
    <message numerus="yes">
        <source>%n texts are longer than the scale keeps; it will keep:</source>
        <translation>
            <numerusform>%n tekst jest dłuższy, niż mieści waga; zachowa:</numerusform>
            <numerusform>%n teksty są dłuższe, niż mieści waga; zachowa:</numerusform>
            <numerusform>%n tekstów jest dłuższych, niż mieści waga; zachowa:</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1, %2: &quot;%3&quot;</source>
        <extracomment>A text the scale cuts: its grid row (%1), its field&apos;s name (%2) and what is kept (%3)</extracomment>
        <translation>wiersz %1, %2: „%3”</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <extracomment>The texts cut that are not listed</extracomment>
        <translation>
            <numerusform>... i %n inny</numerusform>
            <numerusform>... i %n inne</numerusform>
            <numerusform>... i %n innych</numerusform>
        </translation>
    </message>
    <message>
        <source>Send anyway?</source>
        <translation>Wysłać mimo to?</translation>
    </message>
    <message>
        <source>The %1 grid has changes that are not saved.</source>
        <extracomment>%1: the table&apos;s name, PLU or INGRED</extracomment>
        <translation>W tabeli %1 na ekranie są niezapisane zmiany.</translation>
    </message>
    <message>
        <source>A download sends the saved table, not what the grid shows.</source>
        <translation>Wysyłana jest zapisana tabela, nie to, co widać na ekranie.</translation>
    </message>
    <message>
        <source>A compare holds the saved table against the scale&apos;s, not what the grid shows.</source>
        <translation>Porównywana z wagą jest zapisana tabela, nie to, co widać na ekranie.</translation>
    </message>
    <message>
        <source>&amp;Save and download</source>
        <translation>&amp;Zapisz i wyślij</translation>
    </message>
    <message>
        <source>&amp;Save and compare</source>
        <translation>&amp;Zapisz i porównaj</translation>
    </message>
    <message>
        <source>Download the saved &amp;table</source>
        <translation>Wyślij zapisaną &amp;tabelę</translation>
    </message>
    <message>
        <source>Compare the saved &amp;table</source>
        <translation>Porównaj zapisaną &amp;tabelę</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Save them before the grid is replaced?</source>
        <translation>Zapisać zmiany przed zastąpieniem zawartości ekranu?</translation>
    </message>
</context>
<context>
    <name>Scales</name>
    <message>
        <source>List every scale the store knows, with its last job.</source>
        <translation>Wypisz wszystkie wagi znane bazie wraz z ostatnim zadaniem.</translation>
    </message>
    <message>
        <source>scales takes no --port: it lists every scale</source>
        <translation>scales nie przyjmuje --port: wypisuje wszystkie wagi</translation>
    </message>
    <message>
        <source>scales takes no %1</source>
        <translation>scales nie przyjmuje %1</translation>
    </message>
    <message>
        <source>Say whether each scale holds FILE&apos;s table, by the store&apos;s word.</source>
        <translation>Podaj dla każdej wagi, czy ma tabelę z FILE, według bazy.</translation>
    </message>
    <message>
        <source>the store knows no scale: name one with --port</source>
        <translation>baza nie zna żadnej wagi: podaj ją przez --port</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1: cannot be read: %2</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>%1: nie można odczytać: %2</translation>
    </message>
    <message>
        <source>%1 line %2: not NAME = VALUE</source>
        <extracomment>%1 is the settings file, %2 the line&apos;s number</extracomment>
        <translation>%1 wiersz %2: nie ma postaci NAME = VALUE</translation>
    </message>
    <message>
        <source>%1 line %2: price decimals is 0 to %3, not %4</source>
        <extracomment>&quot;price decimals&quot; is the setting&apos;s name in the file</extracomment>
        <translation>%1 wiersz %2: price decimals to od 0 do %3, nie %4</translation>
    </message>
    <message>
        <source>%1 line %2: &quot;%3&quot; is not a scale&apos;s name (letters, digits, -, _ and ., not COM1 or COM2)</source>
        <translation>%1 wiersz %2: „%3” nie jest nazwą wagi (litery, cyfry, -, _ i ., nie COM1 ani COM2)</translation>
    </message>
    <message>
        <source>%1 line %2: %3: %4</source>
        <extracomment>%3 is the scale&apos;s name, %4 why its port&apos;s name cannot be taken</extracomment>
        <translation>%1 wiersz %2: %3: %4</translation>
    </message>
</context>
<context>
    <name>SheetExchange</name>
    <message>
        <source>Excel File Ingred Data  </source>
        <translation>Dane INGRED z pliku Excel  </translation>
    </message>
    <message>
        <source> Data Format Changing ....  %1</source>
        <extracomment>%1 is the text in column A of the row being read</extracomment>
        <translation> Zmiana formatu danych ....  %1</translation>
    </message>
    <message>
        <source>PLU Number is %1</source>
        <translation>Numer PLU: %1</translation>
    </message>
    <message>
        <source>Excel File INGRED Data  </source>
        <translation>Dane INGRED z pliku Excel  </translation>
    </message>
    <message>
        <source>  Data Format Changing....  %1</source>
        <extracomment>%1 is the text in column A of the row being read</extracomment>
        <translation>  Zmiana formatu danych....  %1</translation>
    </message>
    <message>
        <source>Ingredient Number is %1</source>
        <translation>Numer składnika: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: cell A1 is empty, and the records end at the first row whose column A is empty.</source>
        <translation>Nic nie zaimportowano: komórka A1 jest pusta, a rekordy kończą się na pierwszym wierszu z pustą kolumną A.</translation>
    </message>
    <message>
        <source>1 row past the %1th was left out: a table holds at most %1 records.</source>
        <translation>Pominięto 1 wiersz po %1.: tabela mieści najwyżej %1 rekordów.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows past the %1th were left out: a table holds at most %1 records.</source>
        <translation>
            <numerusform>Pominięto %n wiersz po %1.: tabela mieści najwyżej %1 rekordów.</numerusform>
            <numerusform>Pominięto %n wiersze po %1.: tabela mieści najwyżej %1 rekordów.</numerusform>
            <numerusform>Pominięto %n wierszy po %1.: tabela mieści najwyżej %1 rekordów.</numerusform>
        </translation>
    </message>
    <message>
        <source> Input File Name </source>
        <translation> Nazwa pliku wejściowego </translation>
    </message>
    <message>
        <source> Open Excel File </source>
        <translation> Otwieranie pliku Excel </translation>
    </message>
    <message>
        <source> Initializing </source>
        <translation> Inicjalizacja </translation>
    </message>
    <message>
        <source> Data is End </source>
        <translation> Koniec danych </translation>
    </message>
    <message>
        <source> Excel File Save </source>
        <translation> Zapis pliku Excel </translation>
    </message>
    <message>
        <source> Data Changing ....  </source>
        <extracomment>followed by the record&apos;s number</extracomment>
        <translation> Zmiana danych ....  </translation>
    </message>
    <message>
        <source>ERROR! cannot save %1: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 why it cannot be saved</extracomment>
        <translation>ERROR! nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source> Save End</source>
        <translation> Koniec zapisu</translation>
    </message>
</context>
<context>
    <name>SheetParts</name>
    <message>
        <source>the formula has no stored result - open and save the file in a spreadsheet program</source>
        <translation>formuła nie ma zapisanego wyniku - otwórz i zapisz plik w arkuszu kalkulacyjnym</translation>
    </message>
    <message>
        <source>a DTD is not allowed</source>
        <translation>DTD jest niedozwolone</translation>
    </message>
    <message>
        <source>the text is longer than the %1 characters a cell holds</source>
        <translation>tekst jest dłuższy niż limit znaków komórki (%1)</translation>
    </message>
    <message>
        <source>the text holds the control character U+%1</source>
        <translation>tekst zawiera znak sterujący U+%1</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>%1 is the row, %2 the column&apos;s letters, %3 why the cell cannot be written</extracomment>
        <translation>wiersz %1, kolumna %2: %3</translation>
    </message>
    <message>
        <source>ERROR! sheet row %1, column %2: </source>
        <extracomment>the start of an error text; what is wrong with the cell follows</extracomment>
        <translation>ERROR! wiersz arkusza %1, kolumna %2: </translation>
    </message>
    <message>
        <source>the cell holds an error value</source>
        <translation>komórka zawiera wartość błędu</translation>
    </message>
    <message>
        <source>the part %1 is missing</source>
        <translation>brak części %1</translation>
    </message>
    <message>
        <source>the part %1 expands to more than %2 MB</source>
        <translation>część %1 po rozpakowaniu przekracza %2 MB</translation>
    </message>
    <message>
        <source>the part %1, line %2: %3</source>
        <translation>część %1, wiersz %2: %3</translation>
    </message>
    <message>
        <source>the part %1 is damaged or cut short</source>
        <translation>część %1 jest uszkodzona lub ucięta</translation>
    </message>
    <message>
        <source>the part %1 is not well-formed XML (line %2: %3)</source>
        <translation>część %1 nie jest poprawnym XML (wiersz %2: %3)</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>the server keeps this store: back it up there (pg_dump %1)</source>
        <extracomment>%1: the store&apos;s database on its server</extracomment>
        <translation>tę bazę przechowuje serwer: wykonaj kopię zapasową na nim (pg_dump %1)</translation>
    </message>
    <message>
        <source>%1 exists; name a new file</source>
        <extracomment>%1: the file the backup copy was to be</extracomment>
        <translation>%1 istnieje; podaj nowy plik</translation>
    </message>
</context>
<context>
    <name>StoreCommand</name>
    <message>
        <source>Copy the store of what the scales hold to a new file, consistently.</source>
        <translation>Spójnie skopiuj bazę zawartości wag do nowego pliku.</translation>
    </message>
    <message>
        <source>store takes no --port</source>
        <translation>store nie przyjmuje --port</translation>
    </message>
    <message>
        <source>store takes: backup FILE</source>
        <translation>store przyjmuje: backup FILE</translation>
    </message>
    <message>
        <source>ERROR! cannot copy the store to %1: %2</source>
        <translation>ERROR! nie można skopiować bazy do %1: %2</translation>
    </message>
    <message>
        <source>The store is copied to %1</source>
        <translation>Baza skopiowana do %1</translation>
    </message>
</context>
<context>
    <name>StoreConnection</name>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (libqt6sql6-psql)</source>
        <translation>Sterownik PostgreSQL dla Qt nie jest zainstalowany (libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed (libqt6sql6-sqlite)</source>
        <translation>Sterownik SQLite dla Qt nie jest zainstalowany (libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>name it as postgresql://USER@HOST[:PORT]/DATABASE</source>
        <translation>podaj ją jako postgresql://USER@HOST[:PORT]/DATABASE</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>to folder</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>nie można utworzyć jej folderu</translation>
    </message>
    <message>
        <source>it is not open</source>
        <translation>nie jest otwarta</translation>
    </message>
    <message>
        <source>attempt to write a readonly database</source>
        <extracomment>As SQLite says it of a store that may only be read</extracomment>
        <translation>próba zapisu w bazie tylko do odczytu</translation>
    </message>
    <message>
        <source>database is locked</source>
        <extracomment>As SQLite says it of a store that another program is writing</extracomment>
        <translation>baza danych jest zablokowana</translation>
    </message>
</context>
<context>
    <name>StoreDoubt</name>
    <message>
        <source>the store did not answer in time</source>
        <translation>baza nie odpowiedziała na czas</translation>
    </message>
    <message>
        <source>its note on this PC could not be written</source>
        <translation>nie udało się zapisać jej notatki na tym komputerze</translation>
    </message>
    <message>
        <source>its serial server refused a connection since its last job</source>
        <translation>jej serwer portu szeregowego odmówił połączenia od ostatniego zadania</translation>
    </message>
    <message>
        <source>the port was lost since its last job</source>
        <translation>port został utracony od ostatniego zadania</translation>
    </message>
    <message>
        <source>the store could not keep a job</source>
        <translation>baza nie mogła zapisać zadania</translation>
    </message>
    <message>
        <source>its note of Tarnlink&apos;s jobs on this PC is missing</source>
        <translation>brak jej notatki o zadaniach Tarnlink na tym komputerze</translation>
    </message>
    <message>
        <source>its note of Tarnlink&apos;s jobs on this PC cannot be read</source>
        <translation>nie można odczytać jej notatki o zadaniach Tarnlink na tym komputerze</translation>
    </message>
    <message>
        <source>a job on it was cut off (Tarnlink was killed or the PC lost power)</source>
        <translation>zadanie zostało przerwane (Tarnlink zamknięto siłą lub komputer stracił zasilanie)</translation>
    </message>
    <message>
        <source>another store sent it records since</source>
        <translation>inna baza wysłała do niej od tego czasu rekordy</translation>
    </message>
    <message>
        <source>the store could not keep its last job</source>
        <translation>baza nie mogła zapisać jej ostatniego zadania</translation>
    </message>
    <message>
        <source>the store does not hold its last job (put back from a copy?)</source>
        <translation>baza nie ma jej ostatniego zadania (przywrócona z kopii?)</translation>
    </message>
</context>
<context>
    <name>StoreLayout</name>
    <message>
        <source>it cannot use write-ahead logging</source>
        <translation>nie może używać dziennika WAL</translation>
    </message>
    <message>
        <source>it was made by a newer Tarnlink (store version %1; this one, %2, reads up to %3) - upgrade this PC: the store needs Tarnlink that reads store version %1</source>
        <extracomment>%1: the store&apos;s version; %2: this Tarnlink&apos;s version; %3: the store version it reads up to</extracomment>
        <translation>utworzył ją nowszy Tarnlink (wersja bazy %1; ten, %2, czyta do %3) - zaktualizuj ten komputer: baza wymaga Tarnlink czytającego wersję bazy %1</translation>
    </message>
    <message>
        <source>it was made by a newer Tarnlink %1 (store version %2; this one, %3, reads up to %4) - upgrade this PC: the store needs Tarnlink %1 or later</source>
        <extracomment>%1: the Tarnlink version that made the store; %2: the store&apos;s version; %3: this Tarnlink&apos;s version; %4: the store version it reads up to</extracomment>
        <translation>utworzył ją nowszy Tarnlink %1 (wersja bazy %2; ten, %3, czyta do %4) - zaktualizuj ten komputer: baza wymaga Tarnlink %1 lub nowszego</translation>
    </message>
    <message>
        <source>it is read-only, and an older Tarnlink made it</source>
        <translation>jest tylko do odczytu, a utworzył ją starszy Tarnlink</translation>
    </message>
</context>
<context>
    <name>StoreProblems</name>
    <message>
        <source>another program is writing it; Tarnlink writes again at the next job</source>
        <translation>zapisuje ją inny program; Tarnlink zapisze ponownie przy następnym zadaniu</translation>
    </message>
    <message>
        <source>make it and its folder writable, or name another file in TARNLINK_STORE</source>
        <translation>nadaj jej i jej folderowi prawo zapisu lub podaj inny plik w TARNLINK_STORE</translation>
    </message>
    <message>
        <source>free some space on its disk</source>
        <translation>zwolnij trochę miejsca na jej dysku</translation>
    </message>
    <message>
        <source>check its disk: full, or gone?</source>
        <translation>sprawdź jej dysk: pełny czy odłączony?</translation>
    </message>
    <message>
        <source>move it aside: rename %1 to %1.broken, and Tarnlink starts a new store</source>
        <translation>odsuń ją: zmień nazwę %1 na %1.broken, a Tarnlink utworzy nową bazę</translation>
    </message>
    <message>
        <source>it must be a file in a folder you may write; or name another file in TARNLINK_STORE</source>
        <translation>musi to być plik w folderze z prawem zapisu; lub podaj inny plik w TARNLINK_STORE</translation>
    </message>
    <message>
        <source>ERROR! cannot keep what the scales hold in %1: %2</source>
        <extracomment>%1: the store&apos;s file or server; %2: the database&apos;s own words on what went wrong</extracomment>
        <translation>ERROR! nie można zapisać zawartości wag w %1: %2</translation>
    </message>
    <message>
        <source>ERROR! cannot keep what the scales hold in %1: %2 - %3</source>
        <extracomment>%1: the store&apos;s file or server; %2: the database&apos;s own words; %3: what to do about it</extracomment>
        <translation>ERROR! nie można zapisać zawartości wag w %1: %2 - %3</translation>
    </message>
</context>
<context>
    <name>StoreWriter</name>
    <message>
        <source>it did not answer in time</source>
        <translation>nie odpowiedziała na czas</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <source>the file ends before %1</source>
        <extracomment>%1 is a field&apos;s name</extracomment>
        <translation>plik kończy się przed %1</translation>
    </message>
    <message>
        <source>%1 has no closing double quote</source>
        <translation>%1 nie ma zamykającego cudzysłowu</translation>
    </message>
    <message>
        <source>%1 contains a double quote</source>
        <translation>%1 zawiera cudzysłów</translation>
    </message>
    <message>
        <source>%1 contains a line break</source>
        <translation>%1 zawiera podział wiersza</translation>
    </message>
    <message>
        <source>%1 contains &quot;%2&quot;, which the file cannot hold</source>
        <translation>%1 zawiera „%2”, czego plik nie może przechować</translation>
    </message>
    <message>
        <source>%1 is a whole number (cents): type %2</source>
        <translation>%1 to liczba całkowita (grosze): wpisz %2</translation>
    </message>
    <message>
        <source>ERROR! cannot open %1 (%2)</source>
        <translation>ERROR! nie można otworzyć %1 (%2)</translation>
    </message>
    <message>
        <source>ERROR! %1 is too large for a table file</source>
        <translation>ERROR! %1 jest za duży na plik tabeli</translation>
    </message>
    <message>
        <source>ERROR! cannot read %1 (%2)</source>
        <translation>ERROR! nie można odczytać %1 (%2)</translation>
    </message>
    <message>
        <source>ERROR! cannot save %1 (%2)</source>
        <translation>ERROR! nie można zapisać %1 (%2)</translation>
    </message>
    <message>
        <source>INGRED Count is %1</source>
        <translation>Liczba INGRED: %1</translation>
    </message>
    <message>
        <source>ERROR! line %1: %2</source>
        <translation>ERROR! wiersz %1: %2</translation>
    </message>
    <message>
        <source>ERROR! row %1: %2</source>
        <translation>ERROR! wiersz %1: %2</translation>
    </message>
    <message>
        <source>more than %1 records</source>
        <translation>więcej niż %1 rekordów</translation>
    </message>
    <message>
        <source>the table cannot be written</source>
        <translation>nie można zapisać tabeli</translation>
    </message>
</context>
<context>
    <name>Transfers</name>
    <message>
        <source>ERROR! select plu files</source>
        <translation>ERROR! wybierz pliki plu</translation>
    </message>
    <message>
        <source>PLU Range is not valid</source>
        <translation>Nieprawidłowy zakres PLU</translation>
    </message>
    <message>
        <source>plu#%1 is transfered</source>
        <translation>plu#%1 wysłany</translation>
    </message>
    <message>
        <source>plu#%1 is received</source>
        <translation>plu#%1 odebrany</translation>
    </message>
    <message>
        <source>ERROR! PLU row %1: %2</source>
        <translation>ERROR! wiersz PLU %1: %2</translation>
    </message>
    <message>
        <source>ERROR! PLU number must be 1 to 200</source>
        <translation>ERROR! numer PLU musi być od 1 do 200</translation>
    </message>
    <message>
        <source>PLU is not exist</source>
        <translation>PLU nie istnieje</translation>
    </message>
    <message>
        <source>ERROR! select ingred files</source>
        <translation>ERROR! wybierz pliki ingred</translation>
    </message>
    <message>
        <source>INGRED Range is not valid</source>
        <translation>Nieprawidłowy zakres INGRED</translation>
    </message>
    <message>
        <source>Message#%1 is transfered</source>
        <translation>Message#%1 wysłany</translation>
    </message>
    <message>
        <source>INGRED#%1 is received</source>
        <translation>INGRED#%1 odebrany</translation>
    </message>
    <message>
        <source>ERROR! INGRED row %1: %2</source>
        <translation>ERROR! wiersz INGRED %1: %2</translation>
    </message>
    <message>
        <source>ERROR! INGRED number must be 1 to 200</source>
        <translation>ERROR! numer INGRED musi być od 1 do 200</translation>
    </message>
    <message>
        <source>END</source>
        <extracomment>The status line&apos;s word when an ingredient upload reached the scale&apos;s last message</extracomment>
        <translation>KONIEC</translation>
    </message>
    <message>
        <source>plu#%1</source>
        <extracomment>A downloaded PLU record by its slot, as the status line names it</extracomment>
        <translation>plu#%1</translation>
    </message>
    <message>
        <source>Message#%1</source>
        <extracomment>A downloaded ingredient record by its slot, as the status line names it</extracomment>
        <translation>Message#%1</translation>
    </message>
</context>
<context>
    <name>Upload</name>
    <message>
        <source>Read records from the scale and save the table to FILE.</source>
        <translation>Odczytaj rekordy z wagi i zapisz tabelę do FILE.</translation>
    </message>
    <message>
        <source>upload takes one of --one and --all</source>
        <translation>upload przyjmuje jedną z opcji --one i --all</translation>
    </message>
    <message>
        <source>upload reads from one port</source>
        <translation>upload czyta z jednego portu</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>to folder</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>brak uprawnień</translation>
    </message>
    <message>
        <source>no folder %1</source>
        <translation>brak folderu %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to</source>
        <translation>nie można zapisywać w folderze %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>%1 not written: the upload did not end normally</source>
        <translation>nie zapisano %1: odczyt nie zakończył się normalnie</translation>
    </message>
</context>
<context>
    <name>WindowOptions</name>
    <message>
        <source>Keeps the PLU and ingredient tables of a label-printing retail scale.</source>
        <translation>Obsługuje tabele PLU i składników wagi sklepowej drukującej etykiety.</translation>
    </message>
    <message>
        <source>Choose this port on the &quot;Port&quot; tab: COM1, COM2, a device path, tcp:HOST:PORT or a scale&apos;s name from the settings file (&quot;Other&quot;), for this run: it is not remembered. It opens when &quot;Open&quot; is pressed.</source>
        <translation>Wybierz ten port na karcie „Port”: COM1, COM2, ścieżka urządzenia, tcp:HOST:PORT lub nazwa wagi z pliku ustawień („Inny”), na to uruchomienie: nie jest zapamiętywany. Otwiera się po naciśnięciu „Otwórz”.</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>The value of --port in the help, as in --port &lt;name&gt;</extracomment>
        <translation>nazwa</translation>
    </message>
</context>
<context>
    <name>WorkbookReader</name>
    <message>
        <source>not a workbook it can read</source>
        <translation>to nie jest obsługiwany skoroszyt</translation>
    </message>
    <message>
        <source>the workbook is protected by a password</source>
        <translation>skoroszyt jest chroniony hasłem</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>nie można otworzyć %1</translation>
    </message>
</context>
<context>
    <name>WorkbookWriter</name>
    <message>
        <source>sheet name must have 1 to 31 characters</source>
        <translation>nazwa arkusza musi mieć od 1 do 31 znaków</translation>
    </message>
    <message>
        <source>too many rows or columns for a workbook</source>
        <translation>za dużo wierszy lub kolumn dla skoroszytu</translation>
    </message>
    <message>
        <source>active cell outside the sheet</source>
        <translation>aktywna komórka poza arkuszem</translation>
    </message>
    <message>
        <source>cannot build the workbook</source>
        <translation>nie można utworzyć skoroszytu</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>PLU Count is %1</source>
        <translation>Liczba PLU: %1</translation>
    </message>
    <message>
        <source>Message Count is %1</source>
        <translation>Liczba komunikatów: %1</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>not an .xlsx workbook</source>
        <translation>to nie jest skoroszyt .xlsx</translation>
    </message>
    <message>
        <source>the workbook is in the 2006 pre-release .xlsx format, which is not a format it reads</source>
        <translation>skoroszyt jest w formacie .xlsx z wersji wstępnej z 2006 r., którego nie można odczytać</translation>
    </message>
    <message>
        <source>the workbook holds no worksheet</source>
        <translation>skoroszyt nie zawiera arkusza</translation>
    </message>
    <message>
        <source>the worksheet holds a cell it cannot place (%1)</source>
        <translation>arkusz zawiera komórkę, której nie można umieścić (%1)</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>a row of a worksheet, as the worksheet numbers it</extracomment>
        <translation>wiersz %1</translation>
    </message>
    <message>
        <source>cell %1 names no shared text</source>
        <translation>komórka %1 nie wskazuje wspólnego tekstu</translation>
    </message>
    <message>
        <source>cell %1 names shared text %2, but there are only %3</source>
        <translation>komórka %1 wskazuje wspólny tekst %2, ale jest ich tylko %3</translation>
    </message>
</context>
<context>
    <name>XlsxWriter</name>
    <message>
        <source>no room for a scratch file: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>brak miejsca na plik tymczasowy: %1</translation>
    </message>
    <message>
        <source>cannot start the workbook</source>
        <translation>nie można rozpocząć zapisu skoroszytu</translation>
    </message>
</context>
<context>
    <name>tarn::AboutDialog</name>
    <message>
        <source>Tarnlink downloads and uploads PLU and ingredient data for price-computing, label-printing retail scales.
Version %1
Contact: your scale dealer or the Tarnlink developers, tarnlink@example.org</source>
        <extracomment>%1: the program&apos;s version</extracomment>
        <translation>Tarnlink wysyła i odczytuje dane PLU i składników dla wag sklepowych liczących ceny i drukujących etykiety.
Wersja %1
Kontakt: sprzedawca wagi lub twórcy Tarnlink, tarnlink@example.org</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
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
        <translation>Nr</translation>
    </message>
    <message>
        <source>Field</source>
        <extracomment>column: the table&apos;s field that differs</extracomment>
        <translation>Pole</translation>
    </message>
    <message>
        <source>PC</source>
        <extracomment>column: what the PC&apos;s table holds</extracomment>
        <translation>PC</translation>
    </message>
    <message>
        <source>Scale</source>
        <extracomment>column: what the scale holds</extracomment>
        <translation>Waga</translation>
    </message>
    <message>
        <source>The scale holds this table</source>
        <translation>Waga ma tę tabelę</translation>
    </message>
    <message numerus="yes">
        <source>The scale holds %n record(s) differently</source>
        <translation>
            <numerusform>Na wadze różni się %n rekord</numerusform>
            <numerusform>Na wadze różnią się %n rekordy</numerusform>
            <numerusform>Na wadze różni się %n rekordów</numerusform>
        </translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>a side that holds no such record</extracomment>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>(this record)</source>
        <extracomment>a side that holds the whole record, the other none</extracomment>
        <translation>(cały rekord)</translation>
    </message>
</context>
<context>
    <name>tarn::FindBar</name>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>Finds the next cell that holds the text</extracomment>
        <translation>&amp;Następny</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Closes the find bar</extracomment>
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nie znaleziono</translation>
    </message>
</context>
<context>
    <name>tarn::GridActions</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Followed by the step&apos;s name: &quot;Undo Paste&quot;</extracomment>
        <translation>C&amp;ofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Followed by the step&apos;s name: &quot;Redo Paste&quot;</extracomment>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Wklej</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <extracomment>Empties the selected cells</extracomment>
        <translation>Wy&amp;czyść</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Znajdź...</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>Znajdź &amp;następny</translation>
    </message>
    <message>
        <source>Paste</source>
        <extracomment>The undo step of a paste, shown as &quot;Undo Paste&quot;</extracomment>
        <translation>wklejanie</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>The undo step of emptying the selected cells, shown as &quot;Undo Clear&quot;</extracomment>
        <translation>czyszczenie</translation>
    </message>
</context>
<context>
    <name>tarn::GridModel</name>
    <message>
        <source>Longer than the scale keeps; it keeps &quot;%1&quot;</source>
        <extracomment>A cell&apos;s tool tip: %1 is what the scale keeps of its text</extracomment>
        <translation>Tekst dłuższy, niż mieści waga; zachowa „%1”</translation>
    </message>
</context>
<context>
    <name>tarn::GridUndo</name>
    <message>
        <source>Typing</source>
        <extracomment>The undo step of a typed cell, shown as &quot;Undo Typing&quot;</extracomment>
        <translation>wpisywanie</translation>
    </message>
</context>
<context>
    <name>tarn::HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Started</source>
        <extracomment>column: when the transfer started</extracomment>
        <translation>Początek</translation>
    </message>
    <message>
        <source>Ended</source>
        <extracomment>column: when the transfer ended</extracomment>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Outcome</source>
        <extracomment>column: ok, failed, ... as the store keeps it</extracomment>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>column: the port&apos;s name</extracomment>
        <translation>Port</translation>
    </message>
    <message>
        <source>Scale</source>
        <extracomment>column: the scale&apos;s identity</extracomment>
        <translation>Waga</translation>
    </message>
    <message>
        <source>Table</source>
        <extracomment>column: PLU or INGRED</extracomment>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>column: download, upload or compare</extracomment>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>What</source>
        <extracomment>column: which records (ALL, 1-5, Changed)</extracomment>
        <translation>Zakres</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>column: the number of records</extracomment>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Differ</source>
        <extracomment>column: the number of records that differed</extracomment>
        <translation>Różnice</translation>
    </message>
    <message>
        <source>How it ended</source>
        <extracomment>column: the status text the transfer ended with</extracomment>
        <translation>Jak zakończono</translation>
    </message>
    <message>
        <source>(never ended)</source>
        <translation>(nie zakończono)</translation>
    </message>
</context>
<context>
    <name>tarn::LabelActions</name>
    <message>
        <source>Print &amp;labels...</source>
        <translation>Drukuj &amp;etykiety...</translation>
    </message>
    <message>
        <source>Print p&amp;rice list...</source>
        <translation>&amp;Drukuj cennik...</translation>
    </message>
    <message numerus="yes">
        <source>Print labels for the %n records just sent</source>
        <translation>
            <numerusform>Drukuj etykiety dla %n właśnie wysłanego rekordu</numerusform>
            <numerusform>Drukuj etykiety dla %n właśnie wysłanych rekordów</numerusform>
            <numerusform>Drukuj etykiety dla %n właśnie wysłanych rekordów</numerusform>
        </translation>
    </message>
    <message>
        <source>Print labels</source>
        <translation>Drukuj etykiety</translation>
    </message>
    <message numerus="yes">
        <source>&amp;All %n records</source>
        <translation>
            <numerusform>&amp;Wszystkie: %n rekord</numerusform>
            <numerusform>&amp;Wszystkie: %n rekordy</numerusform>
            <numerusform>&amp;Wszystkie: %n rekordów</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;One</source>
        <extracomment>a label for one record, its slot chosen beside</extracomment>
        <translation>&amp;Jeden</translation>
    </message>
    <message>
        <source>&amp;Range</source>
        <extracomment>the labels of the slots from ... to ...</extracomment>
        <translation>&amp;Zakres</translation>
    </message>
    <message>
        <source>&amp;Changed since last printed</source>
        <translation>Zmienione od &amp;ostatniego druku</translation>
    </message>
    <message numerus="yes">
        <source>The %n records just &amp;sent</source>
        <translation>
            <numerusform>%n właśnie &amp;wysłany rekord</numerusform>
            <numerusform>%n właśnie &amp;wysłane rekordy</numerusform>
            <numerusform>%n właśnie &amp;wysłanych rekordów</numerusform>
        </translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>between the first and the last slot of a range</extracomment>
        <translation>do</translation>
    </message>
    <message>
        <source>Sheet</source>
        <extracomment>the kind of label sheet (its layout) printed on</extracomment>
        <translation>Arkusz</translation>
    </message>
    <message>
        <source>Labels already used on the first sheet</source>
        <translation>Etykiety już zużyte na pierwszym arkuszu</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>A&amp;nuluj</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>&amp;Podgląd...</translation>
    </message>
    <message>
        <source>P&amp;DF...</source>
        <extracomment>writes the labels to a PDF file</extracomment>
        <translation>P&amp;DF...</translation>
    </message>
    <message>
        <source>No labels to print</source>
        <translation>Brak etykiet do druku</translation>
    </message>
    <message numerus="yes">
        <source>Labels: %n written to %1</source>
        <translation>
            <numerusform>Etykiety: %n, zapisano w %1</numerusform>
            <numerusform>Etykiety: %n, zapisano w %1</numerusform>
            <numerusform>Etykiety: %n, zapisano w %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarn::MainWindow</name>
    <message>
        <source>Por&amp;t</source>
        <translation>Por&amp;t</translation>
    </message>
    <message>
        <source>Displa&amp;y</source>
        <translation>Wyświetl&amp;acz</translation>
    </message>
    <message>
        <source> Error ! PLU No is over </source>
        <extracomment>A status line text: Enter or a paste would go past the table&apos;s last row. Keep the spaces at both ends and the start &quot;Error !&quot;.</extracomment>
        <translation> Error ! PLU No poza zakresem </translation>
    </message>
    <message>
        <source> Error ! Message No is over </source>
        <extracomment>The same for the INGRED table, whose records are messages.</extracomment>
        <translation> Error ! Nr komunikatu poza zakresem </translation>
    </message>
    <message>
        <source>P&amp;LU</source>
        <extracomment>The tab of the PLU table&apos;s grid</extracomment>
        <translation>P&amp;LU</translation>
    </message>
    <message>
        <source>D&amp;ownload</source>
        <translation>Wy&amp;syłanie</translation>
    </message>
    <message>
        <source>Uplo&amp;ad</source>
        <translation>O&amp;dczyt</translation>
    </message>
    <message>
        <source>IN&amp;GRED</source>
        <extracomment>The tab of the INGRED table&apos;s grid</extracomment>
        <translation>IN&amp;GRED</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Źródło</translation>
    </message>
    <message>
        <source>exported to %1; no %2 file holds it</source>
        <extracomment>Why Exit asks about a table with nothing unsaved: its grid went to a workbook (%1) and no file of the table&apos;s own (%2: PLU or INGRED) holds it.</extracomment>
        <translation>wyeksportowano do %1; żaden plik %2 jej nie zawiera</translation>
    </message>
    <message>
        <source>exported to %1; %2 is older</source>
        <extracomment>The same when the table&apos;s own file (%2) is older than the workbook (%1).</extracomment>
        <translation>wyeksportowano do %1; %2 jest starszy</translation>
    </message>
    <message>
        <source>&amp;PLU</source>
        <extracomment>The PLU table&apos;s menu</extracomment>
        <translation>&amp;PLU</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <extracomment>Menu entry: empties the table</extracomment>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <extracomment>The menu of the files to open the table from</extracomment>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>&amp;PLU File( *.PLU)</source>
        <translation>Plik &amp;PLU( *.PLU)</translation>
    </message>
    <message>
        <source>&amp;Excel File( *.XLS)</source>
        <translation>Plik &amp;Excel( *.XLS)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>The menu of the files to save the table into</extracomment>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>&amp;PLU File ( *.PLU)</source>
        <translation>Plik &amp;PLU ( *.PLU)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;INGRED</source>
        <extracomment>The INGRED table&apos;s menu</extracomment>
        <translation>&amp;INGRED</translation>
    </message>
    <message>
        <source>&amp;INGRED File( *.INGRED)</source>
        <translation>Plik &amp;INGRED( *.INGRED)</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Port No</source>
        <translation>Nr portu</translation>
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
        <translation>I&amp;nny</translation>
    </message>
    <message>
        <source>Op&amp;en</source>
        <extracomment>Opens the port</extracomment>
        <translation>Ot&amp;wórz</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Closes the port</extracomment>
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historia</translation>
    </message>
    <message>
        <source>Known scales</source>
        <translation>Znane wagi</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Waga</translation>
    </message>
    <message>
        <source>Names</source>
        <extracomment>The port names the scale was used under</extracomment>
        <translation>Nazwy</translation>
    </message>
    <message>
        <source>PC</source>
        <extracomment>The computer that ran the scale&apos;s last job</extracomment>
        <translation>PC</translation>
    </message>
    <message>
        <source>Last job</source>
        <translation>Ostatnie zadanie</translation>
    </message>
    <message>
        <source>Ended</source>
        <extracomment>When the last job ended</extracomment>
        <translation>Zakończono</translation>
    </message>
    <message>
        <source>How it ended</source>
        <translation>Jak zakończono</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <extracomment>When the scale last confirmed what the store says it holds</extracomment>
        <translation>Potwierdzono</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Masa</translation>
    </message>
    <message>
        <source>Unit</source>
        <extracomment>The unit price the scale shows</extracomment>
        <translation>Cena jedn.</translation>
    </message>
    <message>
        <source>Price</source>
        <extracomment>The total price the scale shows</extracomment>
        <translation>Należność</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <extracomment>Reads the scale&apos;s display again</extracomment>
        <translation>Odś&amp;wież</translation>
    </message>
    <message>
        <source>To</source>
        <extracomment>Between the first and the last number of a range</extracomment>
        <translation>Do</translation>
    </message>
    <message>
        <source>PLU Download Option</source>
        <translation>Opcje wysyłania PLU</translation>
    </message>
    <message>
        <source>On&amp;e PLU</source>
        <extracomment>An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>&amp;Jeden PLU</translation>
    </message>
    <message>
        <source>&amp;Multiple PLU</source>
        <extracomment>An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>Kilka PL&amp;U</translation>
    </message>
    <message>
        <source>ALL PLU</source>
        <translation>WSZYSTKIE PLU</translation>
    </message>
    <message>
        <source>&amp;Changed</source>
        <extracomment>Sends the records the scale does not hold as they stand. An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>&amp;Zmienione</translation>
    </message>
    <message>
        <source>INGRED Download Option</source>
        <translation>Opcje wysyłania INGRED</translation>
    </message>
    <message>
        <source>O&amp;ne INGRED</source>
        <extracomment>An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>J&amp;eden INGRED</translation>
    </message>
    <message>
        <source>M&amp;ultiple INGRED</source>
        <extracomment>An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>&amp;Kilka INGRED</translation>
    </message>
    <message>
        <source>ALL ING&amp;RED</source>
        <extracomment>An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>WSZYSTKIE ING&amp;RED</translation>
    </message>
    <message>
        <source>C&amp;hanged</source>
        <extracomment>Sends the records the scale does not hold as they stand. An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>Zmie&amp;nione</translation>
    </message>
    <message>
        <source> PLU &amp;Download</source>
        <translation> &amp;Wyślij PLU</translation>
    </message>
    <message>
        <source>INGRED Do&amp;wnload</source>
        <translation>W&amp;yślij INGRED</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>Wery&amp;fikuj</translation>
    </message>
    <message>
        <source>After the download, read the table back and list any record the scale holds differently</source>
        <translation>Po wysłaniu odczytaj tabelę i wypisz rekordy, które waga ma inaczej</translation>
    </message>
    <message>
        <source>PLU Upload Option</source>
        <translation>Opcje odczytu PLU</translation>
    </message>
    <message>
        <source>All PLU</source>
        <translation>Wszystkie PLU</translation>
    </message>
    <message>
        <source>INGRED Upload Option</source>
        <translation>Opcje odczytu INGRED</translation>
    </message>
    <message>
        <source>All INGRED</source>
        <translation>Wszystkie INGRED</translation>
    </message>
    <message>
        <source>PLU &amp;Upload</source>
        <translation>Od&amp;czytaj PLU</translation>
    </message>
    <message>
        <source>INGRED Uploa&amp;d</source>
        <translation>Odc&amp;zytaj INGRED</translation>
    </message>
    <message>
        <source>PLU Co&amp;mpare</source>
        <translation>Poró&amp;wnaj PLU</translation>
    </message>
    <message>
        <source>INGRED Compa&amp;re</source>
        <translation>Po&amp;równaj INGRED</translation>
    </message>
</context>
<context>
    <name>tarn::MemoryActions</name>
    <message>
        <source>%1 to send</source>
        <extracomment>beside Changed: the number of records a Changed download would send, or ?</extracomment>
        <translation>%1 do wysłania</translation>
    </message>
    <message>
        <source>%1 to send once saved</source>
        <extracomment>beside Changed: the number of records a Changed download would send once the grid is saved, or ?</extracomment>
        <translation>%1 do wysłania po zapisie</translation>
    </message>
    <message>
        <source>? to send: its table is read first</source>
        <extracomment>beside Changed: the download reads the scale&apos;s table before it sends</extracomment>
        <translation>? do wysłania: najpierw odczyt jej tabeli</translation>
    </message>
    <message>
        <source>? to send once saved: its table is read first</source>
        <extracomment>beside Changed, for a grid not yet saved: the download reads the scale&apos;s table before it sends</extracomment>
        <translation>? do wysłania po zapisie: najpierw odczyt jej tabeli</translation>
    </message>
    <message>
        <source>The store cannot vouch for this scale: %1</source>
        <translation>Baza nie gwarantuje stanu tej wagi: %1</translation>
    </message>
    <message>
        <source>running, or cut off</source>
        <translation>w toku lub przerwane</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>a scale (%1) and where it stands (%2)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 Compare</source>
        <extracomment>the title of the list of differences a Compare found: &quot;PLU Compare&quot;, &quot;INGRED Compare&quot;</extracomment>
        <translation>Porównanie %1</translation>
    </message>
    <message>
        <source>%1 Verify</source>
        <extracomment>the title of the list of differences a download&apos;s Verify found: &quot;PLU Verify&quot;</extracomment>
        <translation>Weryfikacja %1</translation>
    </message>
</context>
<context>
    <name>tarn::PortActions</name>
    <message>
        <source>open port1</source>
        <translation>otwarto port1</translation>
    </message>
    <message>
        <source>open port2</source>
        <translation>otwarto port2</translation>
    </message>
    <message>
        <source>open port%1</source>
        <extracomment>The port (%1, a device or a scale&apos;s name) is open; no space before it</extracomment>
        <translation>otwarto port%1</translation>
    </message>
    <message>
        <source>Port is already opened</source>
        <translation>Port jest już otwarty</translation>
    </message>
    <message>
        <source>Other</source>
        <extracomment>The &quot;Other&quot; port&apos;s option, named when its box is empty</extracomment>
        <translation>Inny</translation>
    </message>
    <message>
        <source>Port is not opened</source>
        <translation>Port nie jest otwarty</translation>
    </message>
    <message>
        <source>close port</source>
        <translation>zamknięto port</translation>
    </message>
</context>
<context>
    <name>tarn::PriceListActions</name>
    <message>
        <source>Price &amp;list...</source>
        <translation>&amp;Cennik...</translation>
    </message>
    <message>
        <source>Price list</source>
        <extracomment>the step Undo takes back (&quot;Undo Price list&quot;)</extracomment>
        <translation>cennik</translation>
    </message>
</context>
<context>
    <name>tarn::PriceListDialog</name>
    <message>
        <source>Price list</source>
        <translation>Cennik</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Za&amp;stosuj</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>(not used)</source>
        <extracomment>a field that no column of the list fills</extracomment>
        <translation>(nieużywane)</translation>
    </message>
    <message>
        <source>%1 (key)</source>
        <extracomment>%1: the key field&apos;s name, as the files name it (&quot;PLU No&quot;)</extracomment>
        <translation>%1 (klucz)</translation>
    </message>
    <message>
        <source>Price decimals</source>
        <translation>Miejsca dziesiętne</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>column: the grid&apos;s row and the record&apos;s key</extracomment>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Field</source>
        <extracomment>column: the field that changes</extracomment>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Old</source>
        <extracomment>column: the field&apos;s text before</extracomment>
        <translation>Stare</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>column: the field&apos;s text after</extracomment>
        <translation>Nowe</translation>
    </message>
    <message>
        <source>Choose the list&apos;s column for %1: it is the key.</source>
        <translation>Wybierz kolumnę listy dla %1: to klucz.</translation>
    </message>
    <message>
        <source>row %1: %2 %3</source>
        <extracomment>a record: its grid row (%1), its key field&apos;s name (%2) and value (%3)</extracomment>
        <translation>wiersz %1: %2 %3</translation>
    </message>
    <message>
        <source>row %1: %2 %3 (new)</source>
        <extracomment>a record the list adds: its grid row (%1), its key field&apos;s name (%2) and value (%3)</extracomment>
        <translation>wiersz %1: %2 %3 (nowy)</translation>
    </message>
</context>
<context>
    <name>tarn::ScaleLink</name>
    <message>
        <source>ERROR! cannot open %1: %2</source>
        <extracomment>%1 is the port, %2 why it cannot be opened</extracomment>
        <translation>ERROR! nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>in use by another program (process %1)</source>
        <translation>używany przez inny program (proces %1)</translation>
    </message>
    <message>
        <source>ERROR! lost port %1: %2</source>
        <extracomment>%1 is the port, %2 why it was lost</extracomment>
        <translation>ERROR! utracono port %1: %2</translation>
    </message>
    <message>
        <source>ERROR! port is not open</source>
        <translation>ERROR! port nie jest otwarty</translation>
    </message>
</context>
<context>
    <name>tarn::SerialPort</name>
    <message>
        <source>the line cannot be written any more</source>
        <translation>nie można już pisać do linii</translation>
    </message>
    <message>
        <source>the line cannot be read any more</source>
        <translation>nie można już czytać z linii</translation>
    </message>
    <message>
        <source>%1 - join the dialout group (sudo adduser $USER dialout), then log in again</source>
        <extracomment>%1 is the system&apos;s reason; &quot;dialout&quot; and the command stay as they are</extracomment>
        <translation>%1 - dołącz do grupy dialout (sudo adduser $USER dialout), potem zaloguj się ponownie</translation>
    </message>
    <message>
        <source>a stale lock file %1 blocks it - remove it</source>
        <translation>blokuje go nieaktualny plik blokady %1 - usuń go</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>to nie port szeregowy</translation>
    </message>
</context>
<context>
    <name>tarn::TcpPort</name>
    <message>
        <source>cannot look the name up: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>nie można odnaleźć nazwy: %1</translation>
    </message>
    <message>
        <source>no connection within %1 s</source>
        <translation>brak połączenia w ciągu %1 s</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Nie znaleziono hosta</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>serwer zamknął połączenie</translation>
    </message>
    <message>
        <source>not a network serial server&apos;s name (tcp:HOST:PORT)</source>
        <translation>to nie nazwa sieciowego serwera portów szeregowych (tcp:HOST:PORT)</translation>
    </message>
    <message>
        <source>the connect was stopped</source>
        <translation>łączenie zostało przerwane</translation>
    </message>
    <message>
        <source>the connection was not made</source>
        <translation>nie nawiązano połączenia</translation>
    </message>
    <message>
        <source>the connection cannot be written any more</source>
        <translation>nie można już pisać do połączenia</translation>
    </message>
</context>
<context>
    <name>tarn::TransferActions</name>
    <message>
        <source>The scale stopped answering after %1 of %2 records. Check that it is on and cabled, then send Changed: it sends the rest.</source>
        <extracomment>&quot;Changed&quot; is the download&apos;s option of that name</extracomment>
        <translation>Waga przestała odpowiadać po %1 z %2 rekordów. Sprawdź, czy jest włączona i podłączona, potem wyślij „Zmienione”: wyśle resztę.</translation>
    </message>
    <message>
        <source>The scale stopped answering after %1 of %2 records. Check that it is on and cabled, then upload again.</source>
        <translation>Waga przestała odpowiadać po %1 z %2 rekordów. Sprawdź, czy jest włączona i podłączona, potem odczytaj ponownie.</translation>
    </message>
    <message>
        <source>The scale stopped answering after %1 of %2 records. Check that it is on and cabled, then compare again.</source>
        <translation>Waga przestała odpowiadać po %1 z %2 rekordów. Sprawdź, czy jest włączona i podłączona, potem porównaj ponownie.</translation>
    </message>
    <message>
        <source>The port was lost after %1 of %2 records (adapter pulled out?). Open it again, then send Changed.</source>
        <extracomment>&quot;Changed&quot; is the download&apos;s option of that name</extracomment>
        <translation>Utracono port po %1 z %2 rekordów (odłączony adapter?). Otwórz go ponownie, potem wyślij „Zmienione”.</translation>
    </message>
    <message>
        <source>The port was lost after %1 of %2 records (adapter pulled out?). Open it again, then upload again.</source>
        <translation>Utracono port po %1 z %2 rekordów (odłączony adapter?). Otwórz go ponownie, potem odczytaj ponownie.</translation>
    </message>
    <message>
        <source>The port was lost after %1 of %2 records (adapter pulled out?). Open it again, then compare again.</source>
        <translation>Utracono port po %1 z %2 rekordów (odłączony adapter?). Otwórz go ponownie, potem porównaj ponownie.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Zatrzymaj</translation>
    </message>
    <message>
        <source>A download is running (%1 of %2 sent). Stop it and exit?</source>
        <extracomment>Exit&apos;s question while a download runs; %1 of %2 records sent so far</extracomment>
        <translation>Trwa wysyłanie (wysłano %1 z %2). Zatrzymać je i zakończyć?</translation>
    </message>
    <message>
        <source>A download is running. Stop it and exit?</source>
        <translation>Trwa wysyłanie. Zatrzymać je i zakończyć?</translation>
    </message>
    <message>
        <source>An upload is running (%1 of %2 received). Stop it and exit?</source>
        <extracomment>Exit&apos;s question while an upload runs; %1 of %2 records received so far</extracomment>
        <translation>Trwa odczyt (odebrano %1 z %2). Zatrzymać go i zakończyć?</translation>
    </message>
    <message>
        <source>An upload is running. Stop it and exit?</source>
        <translation>Trwa odczyt. Zatrzymać go i zakończyć?</translation>
    </message>
    <message>
        <source>A compare is running (%1 of %2 read). Stop it and exit?</source>
        <extracomment>Exit&apos;s question while a compare runs; %1 of %2 records read so far</extracomment>
        <translation>Trwa porównanie (odczytano %1 z %2). Zatrzymać je i zakończyć?</translation>
    </message>
    <message>
        <source>A compare is running. Stop it and exit?</source>
        <translation>Trwa porównanie. Zatrzymać je i zakończyć?</translation>
    </message>
    <message>
        <source>A read of the scale&apos;s display is running. Stop it and exit?</source>
        <translation>Trwa odczyt wyświetlacza wagi. Zatrzymać go i zakończyć?</translation>
    </message>
</context>
</TS>
