<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Barcode</name>
    <message>
        <source>the barcode library is out of memory</source>
        <translation>la bibliothèque de codes-barres manque de mémoire</translation>
    </message>
</context>
<context>
    <name>ChangedPlan</name>
    <message>
        <source>The scale does not hold what Tarnlink last sent it: reading its table</source>
        <translation>La balance ne contient pas le dernier envoi de Tarnlink : lecture de sa table</translation>
    </message>
    <message>
        <source>Nothing to send: the scale&apos;s table, read now, holds this table</source>
        <translation>Rien à envoyer : la table de la balance, lue à l&apos;instant, contient cette table</translation>
    </message>
    <message>
        <source>The store cannot vouch for this scale: %1</source>
        <extracomment>%1: why the store&apos;s word is doubted, in the store&apos;s words</extracomment>
        <translation>La base ne peut pas garantir cette balance : %1</translation>
    </message>
    <message>
        <source>Nothing to send: the scale holds this table</source>
        <translation>Rien à envoyer : la balance contient cette table</translation>
    </message>
    <message>
        <source>Checking what the scale holds: its record %1 is not as Tarnlink sent it</source>
        <translation>Contrôle de la balance : son enregistrement %1 diffère de l&apos;envoi de Tarnlink</translation>
    </message>
    <message>
        <source>Checking what the scale holds: asked for record %1, it sent record %2</source>
        <translation>Contrôle de la balance : enregistrement %1 demandé, enregistrement %2 reçu</translation>
    </message>
    <message>
        <source>Checking what the scale holds: its record %1 is missing</source>
        <translation>Contrôle de la balance : son enregistrement %1 manque</translation>
    </message>
    <message>
        <source>Checking what the scale holds: its slot %1 is empty</source>
        <translation>Contrôle de la balance : son emplacement %1 est vide</translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>When the scale&apos;s whole table was last read: never</extracomment>
        <translation>jamais</translation>
    </message>
    <message>
        <source>Nothing to send: 1 record read back agrees with what Tarnlink sent; whole table last read %1</source>
        <extracomment>%1: when the whole table was last read (&quot;today 14:02&quot;, &quot;never&quot;)</extracomment>
        <translation>Rien à envoyer : 1 enregistrement relu conforme à l&apos;envoi de Tarnlink ; table entière lue : %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to send: %n records read back agree with what Tarnlink sent; whole table last read %1</source>
        <extracomment>%1: when the whole table was last read (&quot;today 14:02&quot;, &quot;never&quot;)</extracomment>
        <translation>
            <numerusform>Rien à envoyer : %n enregistrement relu conforme à l&apos;envoi de Tarnlink ; table entière lue : %1</numerusform>
            <numerusform>Rien à envoyer : %n enregistrements relus conformes à l&apos;envoi de Tarnlink ; table entière lue : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>today %1</source>
        <extracomment>%1: a time of day, &quot;14:02&quot;</extracomment>
        <translation>aujourd&apos;hui %1</translation>
    </message>
    <message>
        <source>yesterday %1</source>
        <extracomment>%1: a time of day, &quot;09:10&quot;</extracomment>
        <translation>hier %1</translation>
    </message>
    <message>
        <source>Nothing to send: the scale held this table when last checked (%1)</source>
        <extracomment>%1: when it was last checked (&quot;today 14:02&quot;, &quot;yesterday 09:10&quot;, &quot;2026-12-03 14:02&quot;)</extracomment>
        <translation>Rien à envoyer : la balance contenait cette table au dernier contrôle (%1)</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to send; the scale also holds %n records this table does not have (Compare lists them)</source>
        <translation>
            <numerusform>Rien à envoyer ; la balance contient aussi %n enregistrement absent de cette table (voir Comparer)</numerusform>
            <numerusform>Rien à envoyer ; la balance contient aussi %n enregistrements absents de cette table (voir Comparer)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent; the scale also holds %n records this table does not have (Compare lists them)</source>
        <translation>
            <numerusform>Envoyé ; la balance contient aussi %n enregistrement absent de cette table (voir Comparer)</numerusform>
            <numerusform>Envoyé ; la balance contient aussi %n enregistrements absents de cette table (voir Comparer)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>--port &quot;%1&quot;: %2</source>
        <translation>--port &quot;%1&quot; : %2</translation>
    </message>
    <message>
        <source>--port %1 is given twice</source>
        <translation>--port %1 est donné deux fois</translation>
    </message>
    <message>
        <source>--port %1 and --port %2 are one port: %3</source>
        <translation>--port %1 et --port %2 sont le même port : %3</translation>
    </message>
    <message>
        <source>%1 needs a port: give --port PORT, or name the scale to use in %2 (&quot;port = NAME&quot;)</source>
        <translation>%1 demande un port : indiquez --port PORT, ou nommez la balance à utiliser dans %2 (&quot;port = NAME&quot;)</translation>
    </message>
    <message>
        <source>--format is text, csv or json, not %1</source>
        <translation>--format vaut text, csv ou json, pas %1</translation>
    </message>
    <message>
        <source>%1 needs plu|ingred and %2</source>
        <translation>%1 demande plu|ingred et %2</translation>
    </message>
    <message>
        <source>%1 needs plu|ingred, %2 and %3</source>
        <translation>%1 demande plu|ingred, %2 et %3</translation>
    </message>
    <message>
        <source>%1 needs plu|ingred, %2, %3 and %4</source>
        <translation>%1 demande plu|ingred, %2, %3 et %4</translation>
    </message>
    <message>
        <source>%1: the table is plu or ingred, not %2</source>
        <translation>%1 : la table est plu ou ingred, pas %2</translation>
    </message>
    <message>
        <source>%1: %2 tables are kept in .%2 files and .XLS, .XLSX, .ODS, .FODS, .CSV or .TXT spreadsheets</source>
        <translation>%1 : les tables %2 sont gardées dans des fichiers .%2 et des tableurs .XLS, .XLSX, .ODS, .FODS, .CSV ou .TXT</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement : %1</translation>
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
        <translation>  --port PORT   COM1, COM2, le chemin d&apos;un port série, tcp:HOST:PORT pour une
                balance derrière un serveur série réseau (HOST un nom, une
                adresse IPv4 ou une adresse [IPv6]), ou le nom d&apos;une balance du
                fichier de réglages ; sans cette option, le &quot;port&quot; du fichier de
                réglages. download accepte jusqu&apos;à %1 et envoie les mêmes
                enregistrements à tous les ports à la fois, chaque ligne
                commençant par &quot;PORT name: &quot;
</translation>
    </message>
    <message>
        <source>  --one N       the record in slot N (download) or the number N (upload)
</source>
        <translation>  --one N       l&apos;enregistrement de l&apos;emplacement N (download) ou le numéro N
                (upload)
</translation>
    </message>
    <message>
        <source>  --range S E   slots S to E (download)
</source>
        <translation>  --range S E   les emplacements S à E (download)
</translation>
    </message>
    <message>
        <source>  --all         every record (the default)
</source>
        <translation>  --all         tous les enregistrements (par défaut)
</translation>
    </message>
    <message>
        <source>  -o OUT.pdf    labels: the PDF file to write
</source>
        <translation>  -o OUT.pdf    labels : le fichier PDF à écrire
</translation>
    </message>
    <message>
        <source>  --printer NAME
                labels: the system&apos;s printer to print on
</source>
        <translation>  --printer NAME
                labels : l&apos;imprimante du système sur laquelle imprimer
</translation>
    </message>
    <message>
        <source>  --layout L    labels: the sheet, 3x8, 2x7, 4x10, roll or settings
                (the settings file&apos;s [labels])
</source>
        <translation>  --layout L    labels : la planche, 3x8, 2x7, 4x10, roll ou settings
                (la section [labels] du fichier de réglages)
</translation>
    </message>
    <message>
        <source>  --skip N      labels: leave the first N labels of the first sheet empty
</source>
        <translation>  --skip N      labels : laisser vides les N premières étiquettes de la
                première planche
</translation>
    </message>
    <message>
        <source>  --list        labels: the price list instead, one row a record
</source>
        <translation>  --list        labels : plutôt la liste de prix, une ligne par enregistrement
</translation>
    </message>
    <message>
        <source>  --changed     download: only the records the scale on each port does not
                hold as they stand, by what Tarnlink sent it or read from it;
                labels: only the labels that print otherwise than when last
                printed from FILE, or with --port what a Changed download
                would send to that scale
</source>
        <translation>  --changed     download : seulement les enregistrements que la balance de
                chaque port ne contient pas tels quels, d&apos;après ce que Tarnlink
                lui a envoyé ou y a lu ; labels : seulement les étiquettes qui
                s&apos;impriment autrement qu&apos;à la dernière impression depuis FILE,
                ou avec --port ce qu&apos;un envoi &quot;Modifiés&quot; enverrait à cette
                balance
</translation>
    </message>
    <message>
        <source>  --verify      download: read the table back after it and list the records
                the scale holds differently
</source>
        <translation>  --verify      download : relire ensuite la table et lister les
                enregistrements que la balance contient autrement
</translation>
    </message>
    <message>
        <source>  --plu N, --ingred N
                history: only the transfers of that record
</source>
        <translation>  --plu N, --ingred N
                history : seulement les transferts de cet enregistrement
</translation>
    </message>
    <message>
        <source>  --since WHEN  history: only the transfers started since WHEN (2026-12-07 or
                &quot;2026-12-07 14:00&quot;, local time)
</source>
        <translation>  --since WHEN  history : seulement les transferts commencés depuis WHEN
                (2026-12-07 ou &quot;2026-12-07 14:00&quot;, heure locale)
</translation>
    </message>
    <message>
        <source>  --limit N     history: the newest N transfers (default 50; 0: all)
</source>
        <translation>  --limit N     history : les N transferts les plus récents (50 par défaut ;
                0 : tous)
</translation>
    </message>
    <message>
        <source>  --map MAP     merge: FIELD=COLUMN,... each table field (&quot;PLU No&quot;, &quot;U/Price&quot;,
                ...) and the list&apos;s column that fills it, by header text or letter
</source>
        <translation>  --map MAP     merge : FIELD=COLUMN,... chaque champ de la table (&quot;PLU No&quot;,
                &quot;U/Price&quot;, ...) et la colonne de la liste qui le remplit, par
                texte d&apos;en-tête ou par lettre
</translation>
    </message>
    <message>
        <source>  --price-decimals N
                merge: the list&apos;s prices have up to N decimals, 0 to 3
                (default the settings file&apos;s &quot;price decimals&quot;, 2)
</source>
        <translation>  --price-decimals N
                merge : les prix de la liste ont jusqu&apos;à N décimales, de 0 à 3
                (par défaut &quot;price decimals&quot; du fichier de réglages, 2)
</translation>
    </message>
    <message>
        <source>  --format F    text (the default), csv or json: compare&apos;s differences,
                history&apos;s transfers, download&apos;s outcome on each port,
                the scales the store knows, status&apos;s rows; times in ISO 8601
                with their offset
</source>
        <translation>  --format F    text (par défaut), csv ou json : les différences de compare,
                les transferts de history, le résultat de download sur chaque
                port, les balances connues de la base, les lignes de status ;
                heures en ISO 8601 avec leur décalage
</translation>
    </message>
    <message>
        <source>  --quiet       only results and errors: no status texts, progress or warnings
</source>
        <translation>  --quiet       seulement les résultats et les erreurs : ni textes d&apos;état, ni
                progression, ni avertissements
</translation>
    </message>
    <message>
        <source>  --help        this text (after a command: that command&apos;s)
</source>
        <translation>  --help        ce texte (après une commande : celui de la commande)
</translation>
    </message>
    <message>
        <source>  --version     the program&apos;s version
</source>
        <translation>  --version     la version du programme
</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>Begins the usage lines (a blank follows); the lines below it are indented as far.</extracomment>
        <translation>Usage :</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>man tarnlink-cli has the details.</source>
        <translation>man tarnlink-cli donne les détails.</translation>
    </message>
    <message>
        <source>Sends the PLU and ingredient tables of a label-printing scale, reads them back and
converts their files, as the Tarnlink window does, without a window.</source>
        <extracomment>The lines of --help, each of at most 80 columns.</extracomment>
        <translation>Envoie les tables PLU et ingrédients d&apos;une balance étiqueteuse, les relit et
convertit leurs fichiers, comme la fenêtre de Tarnlink, mais sans fenêtre.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes :</translation>
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
        <translation>FILE, TABLE, IN et OUT sont des fichiers de table .PLU ou .INGRED ou des
tableurs .XLS, .XLSX, .ODS, .FODS, .CSV ou .TXT, selon l&apos;extension (IN de merge
est un tableur). Les enregistrements d&apos;un tableur au-delà du 200e, ou une A1
vide, sont signalés par un avertissement sur stderr.
Chaque texte que la fenêtre afficherait dans sa ligne d&apos;état est écrit sur sa
propre ligne, sur stdout, et ses erreurs (&quot;ERROR! ...&quot;) sur stderr ; sur un
terminal, les textes d&apos;une tâche forment une ligne de progression par port.
Les noms des balances, le port à utiliser sans --port, la base de ce que
contiennent les balances (store = FILE ou postgresql://...) et les noms de ce PC
et de ce magasin dans cette base (pc =, par défaut le nom d&apos;hôte ; shop =, par
défaut le nom du PC) viennent du fichier de réglages %1.
Code de sortie : 0 la tâche s&apos;est terminée normalement, 1 elle a été refusée ou
a échoué, 2 la ligne de commande n&apos;a pas été comprise, 3 compare ou --verify a
trouvé des enregistrements différents sur la balance (status : une balance qui
ne contient pas la table), 4 un port était utilisé par un autre programme,
5 envoyé mais non enregistré dans la base, 130, 143 ou 129 arrêté par Ctrl-C,
SIGTERM ou SIGHUP.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande donnée</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>interrompu</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>commande inconnue %1</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d&apos;écrire sur la sortie standard : %1</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>not on the scale</source>
        <translation>absent de la balance</translation>
    </message>
    <message>
        <source>only on the scale</source>
        <translation>seulement sur la balance</translation>
    </message>
    <message>
        <source>only on the scale: %1</source>
        <extracomment>%1: the record as the scale holds it, &quot;PEARS, U/Price 349&quot;</extracomment>
        <translation>seulement sur la balance : %1</translation>
    </message>
    <message>
        <source>%1 PC %2, scale %3</source>
        <extracomment>A field that differs: its name as in the files (&quot;U/Price&quot;), the PC&apos;s value, the scale&apos;s value.</extracomment>
        <translation>%1 PC %2, balance %3</translation>
    </message>
    <message>
        <source>Read the scale&apos;s table and list the records it holds unlike FILE.</source>
        <translation>Lire la table de la balance et lister les enregistrements différents de FILE.</translation>
    </message>
    <message>
        <source>compare reads from one port</source>
        <translation>compare lit depuis un seul port</translation>
    </message>
    <message>
        <source>The scale holds this table</source>
        <translation>La balance contient cette table</translation>
    </message>
    <message numerus="yes">
        <source>The scale holds %n record(s) differently</source>
        <translation>
            <numerusform>La balance contient %n enregistrement différent</numerusform>
            <numerusform>La balance contient %n enregistrements différents</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>write error</source>
        <translation>erreur d&apos;écriture</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>Load the table from IN and save it to OUT.</source>
        <translation>Charger la table depuis IN et l&apos;enregistrer dans OUT.</translation>
    </message>
    <message>
        <source>convert does not use a port</source>
        <translation>convert n&apos;utilise pas de port</translation>
    </message>
    <message>
        <source>%1: its first row is not the header of a PLU table: this looks like a price list: use tarnlink-cli merge</source>
        <translation>%1 : sa première ligne n&apos;est pas l&apos;en-tête d&apos;une table PLU : cela ressemble à une liste de prix : utilisez tarnlink-cli merge</translation>
    </message>
    <message>
        <source>%1: its first row is not the header of an ingredient table: this looks like a price list: use tarnlink-cli merge</source>
        <translation>%1 : sa première ligne n&apos;est pas l&apos;en-tête d&apos;une table d&apos;ingrédients : cela ressemble à une liste de prix : utilisez tarnlink-cli merge</translation>
    </message>
</context>
<context>
    <name>CsvSheet</name>
    <message>
        <source>line %1: a byte that is not %2, although the file starts as %2</source>
        <extracomment>%2 is the encoding, UTF-8 or UTF-16</extracomment>
        <translation>ligne %1 : un octet qui n&apos;est pas en %2, alors que le fichier commence en %2</translation>
    </message>
    <message>
        <source>line %1: a quoted field has no closing quote</source>
        <translation>ligne %1 : un champ entre guillemets n&apos;a pas de guillemet fermant</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Read the scale&apos;s weight, unit price and total price once.</source>
        <translation>Lire une fois le poids, le prix unitaire et le prix total de la balance.</translation>
    </message>
    <message>
        <source>display takes no %1</source>
        <translation>display ne prend pas %1</translation>
    </message>
    <message>
        <source>display reads one port</source>
        <translation>display lit un seul port</translation>
    </message>
    <message>
        <source>the scale did not answer on %1</source>
        <translation>la balance n&apos;a pas répondu sur %1</translation>
    </message>
    <message>
        <source>Weight %1</source>
        <extracomment>%1: the scale&apos;s weight read-out as it shows it</extracomment>
        <translation>Poids %1</translation>
    </message>
    <message>
        <source>Unit %1</source>
        <extracomment>%1: the scale&apos;s unit price read-out as it shows it</extracomment>
        <translation>Prix unit. %1</translation>
    </message>
    <message>
        <source>Price %1</source>
        <extracomment>%1: the scale&apos;s total price read-out as it shows it</extracomment>
        <translation>Prix %1</translation>
    </message>
    <message>
        <source>the scale sent no display record on %1</source>
        <translation>la balance n&apos;a envoyé aucun affichage sur %1</translation>
    </message>
</context>
<context>
    <name>Download</name>
    <message>
        <source>%1 %2 is longer than the scale keeps; it keeps &quot;%3&quot;</source>
        <extracomment>%1: the record (&quot;plu#2&quot;), %2: its field as in the files (&quot;Item name1&quot;), %3: the part of the text the scale keeps</extracomment>
        <translation>%1 %2 est plus long que ce que garde la balance ; elle garde &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Load FILE and send its records to the scale on every port at once.</source>
        <translation>Charger FILE et envoyer ses enregistrements à la balance sur tous les ports à la fois.</translation>
    </message>
    <message>
        <source>download takes one of --one, --range, --all and --changed</source>
        <translation>download prend une option parmi --one, --range, --all et --changed</translation>
    </message>
    <message>
        <source>--range needs 2 values</source>
        <translation>--range demande 2 valeurs</translation>
    </message>
    <message>
        <source>download takes at most %1 ports</source>
        <translation>download prend au plus %1 ports</translation>
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
        <translation>Message %1 %2</translation>
    </message>
    <message>
        <source>no saved records</source>
        <translation>rien d&apos;enregistré</translation>
    </message>
    <message>
        <source>not a row number</source>
        <translation>pas un numéro de ligne</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>The row a download&apos;s &quot;One&quot; choice selects, as the start of the text beside its box</extracomment>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>rows %1 to %2</source>
        <extracomment>The rows a download&apos;s &quot;Multiple&quot; choice selects</extracomment>
        <translation>lignes %1 à %2</translation>
    </message>
    <message>
        <source>%1: past the last record (%2)</source>
        <extracomment>%1: &quot;row 5&quot; or &quot;rows 5 to 9&quot;; %2: the number of records in the table</extracomment>
        <translation>%1 : au-delà du dernier enregistrement (%2)</translation>
    </message>
    <message>
        <source>%1: nothing</source>
        <extracomment>%1: &quot;rows 5 to 3&quot;; the download sends no record</extracomment>
        <translation>%1 : rien</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>The first and the last record selected: &quot;PLU 12 APPLE to PLU 14 PEAR&quot;</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1: &quot;row 5&quot; or &quot;rows 5 to 9&quot;; %2: the records they hold in a few words</extracomment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>ExitGuard</name>
    <message>
        <source>The %1 table has changes that are not saved.</source>
        <extracomment>%1: the changed table&apos;s name, PLU or INGRED</extracomment>
        <translation>La table %1 a des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>The %1 and %2 tables have changes that are not saved.</source>
        <extracomment>%1 and %2: the changed tables&apos; names, PLU and INGRED</extracomment>
        <translation>Les tables %1 et %2 ont des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>Save them before Tarnlink ends?</source>
        <translation>Les enregistrer avant de quitter Tarnlink ?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>Saves the changed tables</extracomment>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Disc&amp;ard</source>
        <extracomment>Drops the changes</extracomment>
        <translation>&amp;Rejeter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Stop and exit</source>
        <translation>A&amp;rrêter et quitter</translation>
    </message>
    <message>
        <source>&amp;Go on</source>
        <extracomment>Lets the exchange go on and the program stay open</extracomment>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A table&apos;s name (PLU or INGRED) and why its file is behind its grid</extracomment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>PLU file</source>
        <translation>Fichier PLU</translation>
    </message>
    <message>
        <source>INGRED file</source>
        <translation>Fichier INGRED</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>PDF File</source>
        <translation>Fichier PDF</translation>
    </message>
    <message>
        <source>Price lists</source>
        <translation>Listes de prix</translation>
    </message>
    <message>
        <source>Excel File</source>
        <translation>Fichier Excel</translation>
    </message>
    <message>
        <source>Excel Workbook</source>
        <translation>Classeur Excel</translation>
    </message>
    <message>
        <source>OpenDocument Spreadsheet</source>
        <translation>Classeur OpenDocument</translation>
    </message>
    <message>
        <source>CSV File</source>
        <translation>Fichier CSV</translation>
    </message>
    <message>
        <source>ALL File</source>
        <extracomment>a filter of the file dialogs: files of any kind</extracomment>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>All spreadsheets</source>
        <translation>Tous les tableurs</translation>
    </message>
</context>
<context>
    <name>Handshake</name>
    <message>
        <source>Retry #</source>
        <extracomment>followed by the number of the retry</extracomment>
        <translation>Essai n°</translation>
    </message>
    <message>
        <source>SyncOK error</source>
        <translation>Erreur SyncOK</translation>
    </message>
    <message>
        <source>ERROR! plu#%1: no valid answer after 10 restarts</source>
        <translation>ERROR! plu#%1 : aucune réponse valide après 10 relances</translation>
    </message>
    <message>
        <source>Sync error PLU No : %1</source>
        <translation>Erreur de synchro PLU No : %1</translation>
    </message>
    <message>
        <source>Download command error</source>
        <translation>Erreur de commande d&apos;envoi</translation>
    </message>
    <message>
        <source>PLU # is not same</source>
        <translation>PLU # différent</translation>
    </message>
    <message>
        <source>Sync error Message No : %1</source>
        <translation>Erreur de synchro Message No : %1</translation>
    </message>
    <message>
        <source>Message # is not same</source>
        <translation>Message # différent</translation>
    </message>
    <message>
        <source>ERROR! Message#%1: no valid answer after 10 restarts</source>
        <translation>ERROR! Message#%1 : aucune réponse valide après 10 relances</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Erreur de synchro</translation>
    </message>
    <message>
        <source>Upload command error</source>
        <translation>Erreur de commande de lecture</translation>
    </message>
    <message>
        <source>Receive PLU time out</source>
        <translation>Délai de réception PLU dépassé</translation>
    </message>
    <message>
        <source>Receive INGRED time out</source>
        <translation>Délai de réception INGRED dépassé</translation>
    </message>
    <message>
        <source>ERROR! INGRED#%1: no valid answer after 10 restarts</source>
        <translation>ERROR! INGRED#%1 : aucune réponse valide après 10 relances</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>A job&apos;s start (date and time) and end (time)</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 (never ended)</source>
        <translation>%1 (jamais terminé)</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n enregistrement</numerusform>
            <numerusform>%n enregistrements</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n differ</source>
        <extracomment>Records a compare or verify found held differently</extracomment>
        <translation>
            <numerusform>%n différent</numerusform>
            <numerusform>%n différents</numerusform>
        </translation>
    </message>
    <message>
        <source>List the jobs run on the scales, newest first.</source>
        <translation>Lister les tâches faites sur les balances, les plus récentes d&apos;abord.</translation>
    </message>
    <message>
        <source>history takes no %1</source>
        <translation>history ne prend pas %1</translation>
    </message>
    <message>
        <source>history takes one --port</source>
        <translation>history prend un seul --port</translation>
    </message>
    <message>
        <source>history takes one of --plu and --ingred</source>
        <translation>history prend une option parmi --plu et --ingred</translation>
    </message>
    <message>
        <source>--%1 takes a number from 1 to %2</source>
        <extracomment>%1: the option&apos;s name (&quot;plu&quot;), %2: the highest number</extracomment>
        <translation>--%1 prend un nombre de 1 à %2</translation>
    </message>
    <message>
        <source>--since takes a date: YYYY-MM-DD or &quot;YYYY-MM-DD HH:MM&quot;</source>
        <translation>--since prend une date : YYYY-MM-DD ou &quot;YYYY-MM-DD HH:MM&quot;</translation>
    </message>
    <message>
        <source>--limit takes a number: the newest N jobs (0: all)</source>
        <translation>--limit prend un nombre : les N tâches les plus récentes (0 : toutes)</translation>
    </message>
    <message>
        <source>%1 %2 (slot %3) at %4</source>
        <extracomment>A record&apos;s moment in a job: table, number, slot, date and time</extracomment>
        <translation>%1 %2 (emplacement %3) le %4</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message numerus="yes">
        <source>Checking what the scale holds: reading back %n record(s)</source>
        <translation>
            <numerusform>Contrôle de la balance : relecture de %n enregistrement</numerusform>
            <numerusform>Contrôle de la balance : relecture de %n enregistrements</numerusform>
        </translation>
    </message>
    <message>
        <source>Verify: the scale holds this table</source>
        <translation>Vérification : la balance contient cette table</translation>
    </message>
    <message numerus="yes">
        <source>Verify: the scale holds %n record(s) differently</source>
        <translation>
            <numerusform>Vérification : la balance contient %n enregistrement différent</numerusform>
            <numerusform>Vérification : la balance contient %n enregistrements différents</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped</source>
        <extracomment>The display read was stopped</extracomment>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Stopped before the first record</source>
        <translation>Arrêté avant le premier enregistrement</translation>
    </message>
    <message>
        <source>Stopped after plu#%1</source>
        <extracomment>%1: the slot or number of the last PLU record that went through</extracomment>
        <translation>Arrêté après plu#%1</translation>
    </message>
    <message>
        <source>Stopped after Message#%1</source>
        <extracomment>%1: the slot of the last ingredient record the scale took</extracomment>
        <translation>Arrêté après Message#%1</translation>
    </message>
    <message>
        <source>Stopped after INGRED#%1</source>
        <extracomment>%1: the number of the last ingredient record the scale gave</extracomment>
        <translation>Arrêté après INGRED#%1</translation>
    </message>
    <message>
        <source>ERROR! sent, not recorded: the store could not keep this job, so the next Changed download reads the scale&apos;s table first</source>
        <translation>ERROR! envoyé, non enregistré : la base n&apos;a pas pu garder cette tâche, donc le prochain envoi Modifiés lira d&apos;abord la table de la balance</translation>
    </message>
    <message>
        <source>ERROR! not recorded: the store could not keep this job, so the next Changed download reads the scale&apos;s table first</source>
        <translation>ERROR! non enregistré : la base n&apos;a pas pu garder cette tâche, donc le prochain envoi Modifiés lira d&apos;abord la table de la balance</translation>
    </message>
</context>
<context>
    <name>LabelContent</name>
    <message>
        <source>price unit is kg or each, not %1</source>
        <extracomment>&quot;price unit&quot; is a setting&apos;s name, &quot;kg&quot; and &quot;each&quot; its values: they stay as they are</extracomment>
        <translation>price unit vaut kg ou each, pas %1</translation>
    </message>
    <message>
        <source>barcode is code128, ean8 or instore, not %1</source>
        <extracomment>&quot;barcode&quot; is a setting&apos;s name, &quot;code128&quot;, &quot;ean8&quot; and &quot;instore&quot; its values</extracomment>
        <translation>barcode vaut code128, ean8 ou instore, pas %1</translation>
    </message>
    <message>
        <source>shop digit is one digit, 0 to 9, not %1</source>
        <extracomment>&quot;shop digit&quot; is a setting&apos;s name</extracomment>
        <translation>shop digit est un seul chiffre, de 0 à 9, pas %1</translation>
    </message>
    <message>
        <source>PLU %1: item code %2 is not a number of up to 10 digits: no barcode</source>
        <translation>PLU %1 : le code article %2 n&apos;est pas un nombre de 10 chiffres au plus : pas de code-barres</translation>
    </message>
    <message>
        <source>PLU %1: item code %2 does not end in its EAN-8 check digit: Code 128 instead</source>
        <translation>PLU %1 : le code article %2 ne finit pas par sa clé EAN-8 : Code 128 à la place</translation>
    </message>
    <message>
        <source>PLU %1: item code %2 is not 7 or 8 digits: Code 128 instead</source>
        <translation>PLU %1 : le code article %2 n&apos;a pas 7 ou 8 chiffres : Code 128 à la place</translation>
    </message>
    <message>
        <source>per kg</source>
        <extracomment>printed on a label after the price</extracomment>
        <translation>le kg</translation>
    </message>
    <message>
        <source>each</source>
        <extracomment>printed on a label after the price</extracomment>
        <translation>la pièce</translation>
    </message>
    <message>
        <source>use within 1 day</source>
        <translation>à consommer sous 1 jour</translation>
    </message>
    <message numerus="yes">
        <source>use within %n days</source>
        <translation>
            <numerusform>à consommer sous %n jour</numerusform>
            <numerusform>à consommer sous %n jours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LabelLayout</name>
    <message>
        <source>a sheet has at least 1 column and 1 row</source>
        <translation>une planche a au moins 1 colonne et 1 ligne</translation>
    </message>
    <message>
        <source>a label is wider and higher than 0 mm</source>
        <translation>une étiquette fait plus de 0 mm de large et de haut</translation>
    </message>
    <message numerus="yes">
        <source>%n column(s) of %1 mm with gaps of %2 mm need %3 mm, the page is %4 mm wide</source>
        <translation>
            <numerusform>%n colonne de %1 mm avec des espaces de %2 mm demande %3 mm, la page fait %4 mm de large</numerusform>
            <numerusform>%n colonnes de %1 mm avec des espaces de %2 mm demandent %3 mm, la page fait %4 mm de large</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of %1 mm with gaps of %2 mm need %3 mm, the page is %4 mm high</source>
        <translation>
            <numerusform>%n ligne de %1 mm avec des espaces de %2 mm demande %3 mm, la page fait %4 mm de haut</numerusform>
            <numerusform>%n lignes de %1 mm avec des espaces de %2 mm demandent %3 mm, la page fait %4 mm de haut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n column(s) of %1 mm with gaps of %2 mm from a margin of %3 mm need %4 mm, the page is %5 mm wide</source>
        <translation>
            <numerusform>%n colonne de %1 mm avec des espaces de %2 mm après une marge de %3 mm demande %4 mm, la page fait %5 mm de large</numerusform>
            <numerusform>%n colonnes de %1 mm avec des espaces de %2 mm après une marge de %3 mm demandent %4 mm, la page fait %5 mm de large</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of %1 mm with gaps of %2 mm from a margin of %3 mm need %4 mm, the page is %5 mm high</source>
        <translation>
            <numerusform>%n ligne de %1 mm avec des espaces de %2 mm après une marge de %3 mm demande %4 mm, la page fait %5 mm de haut</numerusform>
            <numerusform>%n lignes de %1 mm avec des espaces de %2 mm après une marge de %3 mm demandent %4 mm, la page fait %5 mm de haut</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a setting of a label sheet (layout, page, label, columns, rows, margins, gaps)</source>
        <extracomment>the names in brackets are the settings&apos; names: they stay as they are</extracomment>
        <translation>%1 n&apos;est pas un réglage de planche d&apos;étiquettes (layout, page, label, columns, rows, margins, gaps)</translation>
    </message>
    <message>
        <source>layout: %1 is none of %2</source>
        <extracomment>&quot;layout&quot; is a setting&apos;s name; %2 lists the sheets&apos; names</extracomment>
        <translation>layout : %1 n&apos;est pas parmi %2</translation>
    </message>
    <message>
        <source>page: %1 is not A4, A5, Letter or WIDTHxHEIGHT in mm</source>
        <extracomment>&quot;page&quot;, &quot;A4&quot;, &quot;A5&quot; and &quot;Letter&quot; are the settings&apos; words</extracomment>
        <translation>page : %1 n&apos;est pas A4, A5, Letter ou LARGEURxHAUTEUR en mm</translation>
    </message>
    <message>
        <source>label: %1 is not WIDTHxHEIGHT in mm</source>
        <extracomment>&quot;label&quot; is a setting&apos;s name</extracomment>
        <translation>label : %1 n&apos;est pas LARGEURxHAUTEUR en mm</translation>
    </message>
    <message>
        <source>%1: %2 is not a number from 1 to 50</source>
        <extracomment>%1 is a setting&apos;s name (columns, rows), %2 its value</extracomment>
        <translation>%1 : %2 n&apos;est pas un nombre de 1 à 50</translation>
    </message>
    <message>
        <source>gaps: %1 is not ACROSS DOWN in mm</source>
        <extracomment>&quot;gaps&quot; is a setting&apos;s name</extracomment>
        <translation>gaps : %1 n&apos;est pas HORIZONTAL VERTICAL en mm</translation>
    </message>
    <message>
        <source>margins: %1 is not LEFT TOP in mm</source>
        <extracomment>&quot;margins&quot; is a setting&apos;s name</extracomment>
        <translation>margins : %1 n&apos;est pas GAUCHE HAUT en mm</translation>
    </message>
    <message>
        <source>does not fit: %1</source>
        <extracomment>%1 says what does not fit</extracomment>
        <translation>ne tient pas : %1</translation>
    </message>
    <message>
        <source>%1 is not a label sheet: %2 or settings</source>
        <extracomment>%2 lists the sheets&apos; names; &quot;settings&quot; is a name too, and stays as it is</extracomment>
        <translation>%1 n&apos;est pas une planche d&apos;étiquettes : %2 ou settings</translation>
    </message>
</context>
<context>
    <name>LabelPrint</name>
    <message>
        <source>1 day</source>
        <extracomment>the price list&apos;s column &quot;Use within&quot;</extracomment>
        <translation>1 jour</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
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
        <translation>Désignation 1</translation>
    </message>
    <message>
        <source>Item name2</source>
        <translation>Désignation 2</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Item code</source>
        <translation>Code article</translation>
    </message>
    <message>
        <source>Use within</source>
        <translation>À consommer sous</translation>
    </message>
    <message>
        <source>Price list</source>
        <extracomment>the heading of the printed price list</extracomment>
        <translation>Liste de prix</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>there is no printer %1 (this PC has none)</source>
        <translation>il n&apos;y a pas d&apos;imprimante %1 (ce PC n&apos;en a aucune)</translation>
    </message>
    <message>
        <source>there is no printer %1 (this PC has %2)</source>
        <extracomment>%2 lists the printers this PC has</extracomment>
        <translation>il n&apos;y a pas d&apos;imprimante %1 (ce PC a %2)</translation>
    </message>
    <message>
        <source>the printer %1 failed</source>
        <translation>l&apos;imprimante %1 a échoué</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Print shelf labels, or the price list, of FILE&apos;s PLU records.</source>
        <translation>Imprimer les étiquettes de rayon, ou la liste de prix, des enregistrements PLU de FILE.</translation>
    </message>
    <message>
        <source>labels are printed from the plu table</source>
        <translation>les étiquettes s&apos;impriment depuis la table plu</translation>
    </message>
    <message>
        <source>labels takes one of --one, --range, --all and --changed</source>
        <translation>labels prend une option parmi --one, --range, --all et --changed</translation>
    </message>
    <message>
        <source>labels needs one of -o OUT.pdf and --printer NAME</source>
        <translation>labels demande -o OUT.pdf ou --printer NAME</translation>
    </message>
    <message>
        <source>%1: labels are written to a .pdf file</source>
        <translation>%1 : les étiquettes s&apos;écrivent dans un fichier .pdf</translation>
    </message>
    <message>
        <source>--one is a slot from 1 to %1, not %2</source>
        <translation>--one est un emplacement de 1 à %1, pas %2</translation>
    </message>
    <message>
        <source>--range is two slots S &lt;= E from 1 to %1, not %2</source>
        <translation>--range est deux emplacements S &lt;= E de 1 à %1, pas %2</translation>
    </message>
    <message>
        <source>labels takes --port with --changed: the records a Changed download would send to that scale</source>
        <translation>labels prend --port avec --changed : les enregistrements qu&apos;un envoi Modifiés enverrait à cette balance</translation>
    </message>
    <message>
        <source>labels --changed asks about one port</source>
        <translation>labels --changed porte sur un seul port</translation>
    </message>
    <message>
        <source>--skip is 0 to %1 on a %2 sheet of %3 labels, not %4</source>
        <extracomment>%2: the sheet&apos;s name (&quot;3x8&quot;, &quot;roll&quot;, &quot;settings&quot;)</extracomment>
        <translation>--skip vaut de 0 à %1 sur une planche %2 de %3 étiquettes, pas %4</translation>
    </message>
    <message>
        <source>No labels to print: the table is empty</source>
        <translation>Aucune étiquette à imprimer : la table est vide</translation>
    </message>
    <message numerus="yes">
        <source>ERROR! slot %1 is past the table&apos;s %n record(s)</source>
        <translation>
            <numerusform>ERROR! l&apos;emplacement %1 dépasse la table (%n enregistrement)</numerusform>
            <numerusform>ERROR! l&apos;emplacement %1 dépasse la table (%n enregistrements)</numerusform>
        </translation>
    </message>
    <message>
        <source>No labels to print: every label was printed as it stands</source>
        <translation>Aucune étiquette à imprimer : chaque étiquette a déjà été imprimée telle quelle</translation>
    </message>
    <message>
        <source>the scale on %1 was not checked: these are the records the store says it does not hold (%2)</source>
        <translation>la balance sur %1 n&apos;a pas été contrôlée : voici les enregistrements qu&apos;elle ne contient pas selon la base (%2)</translation>
    </message>
    <message>
        <source>the scale on %1 was not checked: these are the records the store says it does not hold</source>
        <translation>la balance sur %1 n&apos;a pas été contrôlée : voici les enregistrements qu&apos;elle ne contient pas selon la base</translation>
    </message>
    <message>
        <source>No labels to print: the scale holds every record as it stands</source>
        <translation>Aucune étiquette à imprimer : la balance contient chaque enregistrement tel quel</translation>
    </message>
    <message>
        <source>Price list</source>
        <extracomment>The title of the PDF file or the printer&apos;s job</extracomment>
        <translation>Liste de prix</translation>
    </message>
    <message>
        <source>Labels</source>
        <extracomment>The title of the PDF file or the printer&apos;s job</extracomment>
        <translation>Étiquettes</translation>
    </message>
    <message numerus="yes">
        <source>Price list: %n record(s) on %1 page(s) written to %2</source>
        <translation>
            <numerusform>Liste de prix : %n enregistrement sur %1 page(s) écrit dans %2</numerusform>
            <numerusform>Liste de prix : %n enregistrements sur %1 page(s) écrits dans %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Price list: %n record(s) on %1 page(s) sent to printer %2</source>
        <translation>
            <numerusform>Liste de prix : %n enregistrement sur %1 page(s) envoyé à l&apos;imprimante %2</numerusform>
            <numerusform>Liste de prix : %n enregistrements sur %1 page(s) envoyés à l&apos;imprimante %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Labels: %n on %1 page(s) written to %2</source>
        <extracomment>%n labels</extracomment>
        <translation>
            <numerusform>Étiquettes : %n sur %1 page(s) écrite dans %2</numerusform>
            <numerusform>Étiquettes : %n sur %1 page(s) écrites dans %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Labels: %n on %1 page(s) sent to printer %2</source>
        <extracomment>%n labels</extracomment>
        <translation>
            <numerusform>Étiquettes : %n sur %1 page(s) envoyée à l&apos;imprimante %2</numerusform>
            <numerusform>Étiquettes : %n sur %1 page(s) envoyées à l&apos;imprimante %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the store could not keep which labels were printed: a later --changed prints them again</source>
        <translation>la base n&apos;a pas pu garder quelles étiquettes ont été imprimées : un --changed ultérieur les réimprimera</translation>
    </message>
</context>
<context>
    <name>ListDialog</name>
    <message>
        <source>&amp;Close</source>
        <extracomment>the button that closes a list (Compare, History)</extracomment>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>Merge</name>
    <message>
        <source>Merge a price list IN into TABLE and save the result to OUT.</source>
        <translation>Fusionner une liste de prix IN dans TABLE et enregistrer le résultat dans OUT.</translation>
    </message>
    <message>
        <source>merge does not use a port</source>
        <translation>merge n&apos;utilise pas de port</translation>
    </message>
    <message>
        <source>%1: a price list is an .XLS, .XLSX, .ODS, .CSV or .TXT spreadsheet</source>
        <translation>%1 : une liste de prix est un tableur .XLS, .XLSX, .ODS, .CSV ou .TXT</translation>
    </message>
    <message>
        <source>merge needs --map, e.g. --map &quot;PLU No=Article,U/Price=Price&quot;</source>
        <extracomment>&quot;PLU No&quot; and &quot;U/Price&quot; are the table&apos;s field names, as they are in every language; &quot;Article&quot; and &quot;Price&quot; are a price list&apos;s column headers.</extracomment>
        <translation>merge demande --map, p. ex. --map &quot;PLU No=Article,U/Price=Prix&quot;</translation>
    </message>
    <message>
        <source>--price-decimals is for the plu table</source>
        <translation>--price-decimals est réservé à la table plu</translation>
    </message>
    <message>
        <source>--price-decimals is 0 to %1, not %2</source>
        <translation>--price-decimals vaut de 0 à %1, pas %2</translation>
    </message>
</context>
<context>
    <name>NumberResult</name>
    <message>
        <source>is not a number</source>
        <extracomment>after a field&apos;s name</extracomment>
        <translation>n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <extracomment>after a field&apos;s name; %1 is the text read</extracomment>
        <translation>%1 n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>is out of range</source>
        <extracomment>after a field&apos;s name</extracomment>
        <translation>est hors limites</translation>
    </message>
</context>
<context>
    <name>OdsReader</name>
    <message>
        <source>elements nest deeper than %1 levels</source>
        <translation>les éléments sont imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>le fichier dépasse %1 MB</translation>
    </message>
    <message>
        <source>not an .ods spreadsheet</source>
        <translation>pas un tableur .ods</translation>
    </message>
    <message>
        <source>the spreadsheet holds no table</source>
        <translation>le tableur ne contient aucune table</translation>
    </message>
    <message>
        <source>a repeat count of row %1 is not a number</source>
        <translation>un nombre de répétitions de la ligne %1 n&apos;est pas un nombre</translation>
    </message>
</context>
<context>
    <name>OdsWriter</name>
    <message>
        <source>cannot build the spreadsheet</source>
        <translation>impossible de créer le tableur</translation>
    </message>
</context>
<context>
    <name>PortName</name>
    <message>
        <source>no port name</source>
        <translation>aucun nom de port</translation>
    </message>
    <message>
        <source>not a network serial server&apos;s name (tcp:HOST:PORT)</source>
        <translation>pas un nom de serveur série réseau (tcp:HOST:PORT)</translation>
    </message>
    <message>
        <source>the name is too long for a device</source>
        <translation>le nom est trop long pour un périphérique</translation>
    </message>
</context>
<context>
    <name>PriceList</name>
    <message>
        <source>ERROR! %1: more than %2 rows</source>
        <extracomment>%1 is the file&apos;s name</extracomment>
        <translation>ERROR! %1 : plus de %2 lignes</translation>
    </message>
    <message>
        <source>%1 is not a price</source>
        <extracomment>after a field&apos;s name; %1 is the text read</extracomment>
        <translation>%1 n&apos;est pas un prix</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <extracomment>after a field&apos;s name; %1 is the text read</extracomment>
        <translation>%1 n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>%1 has more than %2 decimals</source>
        <extracomment>after a field&apos;s name; %1 is the text read, %2 how many decimals a price has</extracomment>
        <translation>%1 a plus de %2 décimales</translation>
    </message>
    <message>
        <source>is out of range</source>
        <extracomment>after a field&apos;s name</extracomment>
        <translation>est hors limites</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not FIELD=COLUMN</source>
        <translation>&quot;%1&quot; n&apos;est pas FIELD=COLUMN</translation>
    </message>
    <message>
        <source>%1 is not a field of the %2 table (%3)</source>
        <extracomment>%1 is the name given, %2 the table (PLU, INGRED), %3 its fields&apos; names</extracomment>
        <translation>%1 n&apos;est pas un champ de la table %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is mapped twice</source>
        <translation>%1 est associé deux fois</translation>
    </message>
    <message>
        <source>the list has no column &quot;%1&quot; (a header text of its first row, or a letter A to Z)</source>
        <translation>la liste n&apos;a pas de colonne &quot;%1&quot; (un texte d&apos;en-tête de sa première ligne, ou une lettre de A à Z)</translation>
    </message>
    <message>
        <source>%1 must be mapped: it is the key</source>
        <translation>%1 doit être associé : c&apos;est la clé</translation>
    </message>
    <message>
        <source>Price list: %1 changed, %2 new, %3 unchanged</source>
        <translation>Liste de prix : %1 modifiés, %2 nouveaux, %3 inchangés</translation>
    </message>
    <message>
        <source>Price list: %1 changed (%2), %3 new, %4 unchanged</source>
        <extracomment>%2 lists the fields changed, each with its count: &quot;U/Price 3, Tare 1&quot;</extracomment>
        <translation>Liste de prix : %1 modifiés (%2), %3 nouveaux, %4 inchangés</translation>
    </message>
    <message>
        <source>ERROR! %1 must be mapped: it is the key</source>
        <translation>ERROR! %1 doit être associé : c&apos;est la clé</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 est vide</translation>
    </message>
    <message>
        <source>%1 %2 is also in sheet row %3</source>
        <extracomment>%1 is the key&apos;s field name, %2 the key</extracomment>
        <translation>%1 %2 est aussi à la ligne %3 de la feuille</translation>
    </message>
    <message>
        <source>%1 %2 is in rows %3 and %4 of the table</source>
        <extracomment>%1 is the key&apos;s field name, %2 the key</extracomment>
        <translation>%1 %2 est aux lignes %3 et %4 de la table</translation>
    </message>
    <message>
        <source>%1 %2 is new and the table has no free row</source>
        <extracomment>%1 is the key&apos;s field name, %2 the key</extracomment>
        <translation>%1 %2 est nouveau et la table n&apos;a pas de ligne libre</translation>
    </message>
</context>
<context>
    <name>RecordCodec</name>
    <message>
        <source>has no single-byte code for &apos;%1&apos;</source>
        <extracomment>after a field&apos;s name; %1 is the character</extracomment>
        <translation>n&apos;a pas de code sur un octet pour &apos;%1&apos;</translation>
    </message>
    <message>
        <source>is negative</source>
        <extracomment>after a field&apos;s name</extracomment>
        <translation>est négatif</translation>
    </message>
    <message>
        <source>is out of range: %1</source>
        <extracomment>after a field&apos;s name; %1 is the number read</extracomment>
        <translation>est hors limites : %1</translation>
    </message>
</context>
<context>
    <name>Rows</name>
    <message>
        <source>SCALE</source>
        <extracomment>A column&apos;s header in the text form of tarnlink-cli scales and status, in capitals</extracomment>
        <translation>BALANCE</translation>
    </message>
    <message>
        <source>PLACE</source>
        <translation>LIEU</translation>
    </message>
    <message>
        <source>NAMES</source>
        <translation>NOMS</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>USER</source>
        <translation>UTILISATEUR</translation>
    </message>
    <message>
        <source>LAST JOB</source>
        <translation>DERNIÈRE TÂCHE</translation>
    </message>
    <message>
        <source>OUTCOME</source>
        <translation>RÉSULTAT</translation>
    </message>
    <message>
        <source>ENDED</source>
        <translation>FIN</translation>
    </message>
    <message>
        <source>HOW ENDED</source>
        <translation>MESSAGE DE FIN</translation>
    </message>
    <message>
        <source>CONFIRMED</source>
        <translation>CONFIRMÉ</translation>
    </message>
    <message>
        <source>HOLDS</source>
        <translation>CONTIENT</translation>
    </message>
    <message>
        <source>DIFFER</source>
        <translation>DIFFÉRENTS</translation>
    </message>
    <message>
        <source>ALSO HOLDS</source>
        <translation>CONTIENT AUSSI</translation>
    </message>
    <message>
        <source>WHY</source>
        <translation>POURQUOI</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>the disk took only part of the file</source>
        <translation>le disque n&apos;a pris qu&apos;une partie du fichier</translation>
    </message>
</context>
<context>
    <name>SafetyQuestions</name>
    <message>
        <source>1 text is longer than the scale keeps; it will keep:</source>
        <translation>1 texte est plus long que ce que garde la balance ; elle gardera :</translation>
    </message>
    <message numerus="yes">
        <source>%n texts are longer than the scale keeps; it will keep:</source>
        <translation>
            <numerusform>%n texte est plus long que ce que garde la balance ; elle gardera :</numerusform>
            <numerusform>%n textes sont plus longs que ce que garde la balance ; elle gardera :</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1, %2: &quot;%3&quot;</source>
        <extracomment>A text the scale cuts: its grid row (%1), its field&apos;s name (%2) and what is kept (%3)</extracomment>
        <translation>ligne %1, %2 : &quot;%3&quot;</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <extracomment>The texts cut that are not listed</extracomment>
        <translation>
            <numerusform>... et %n autre</numerusform>
            <numerusform>... et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Send anyway?</source>
        <translation>Envoyer quand même ?</translation>
    </message>
    <message>
        <source>The %1 grid has changes that are not saved.</source>
        <extracomment>%1: the table&apos;s name, PLU or INGRED</extracomment>
        <translation>La grille %1 a des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>A download sends the saved table, not what the grid shows.</source>
        <translation>Un envoi transmet la table enregistrée, pas ce qu&apos;affiche la grille.</translation>
    </message>
    <message>
        <source>A compare holds the saved table against the scale&apos;s, not what the grid shows.</source>
        <translation>Une comparaison confronte la table enregistrée à celle de la balance, pas ce qu&apos;affiche la grille.</translation>
    </message>
    <message>
        <source>&amp;Save and download</source>
        <translation>&amp;Enregistrer et envoyer</translation>
    </message>
    <message>
        <source>&amp;Save and compare</source>
        <translation>&amp;Enregistrer et comparer</translation>
    </message>
    <message>
        <source>Download the saved &amp;table</source>
        <translation>Envoyer la &amp;table enregistrée</translation>
    </message>
    <message>
        <source>Compare the saved &amp;table</source>
        <translation>Comparer la &amp;table enregistrée</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Save them before the grid is replaced?</source>
        <translation>Les enregistrer avant que la grille ne soit remplacée ?</translation>
    </message>
</context>
<context>
    <name>Scales</name>
    <message>
        <source>List every scale the store knows, with its last job.</source>
        <translation>Lister chaque balance connue de la base, avec sa dernière tâche.</translation>
    </message>
    <message>
        <source>scales takes no --port: it lists every scale</source>
        <translation>scales ne prend pas --port : il liste chaque balance</translation>
    </message>
    <message>
        <source>scales takes no %1</source>
        <translation>scales ne prend pas %1</translation>
    </message>
    <message>
        <source>Say whether each scale holds FILE&apos;s table, by the store&apos;s word.</source>
        <translation>Dire si chaque balance contient la table de FILE, selon la base.</translation>
    </message>
    <message>
        <source>the store knows no scale: name one with --port</source>
        <translation>la base ne connaît aucune balance : nommez-en une avec --port</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1: cannot be read: %2</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>%1 : lecture impossible : %2</translation>
    </message>
    <message>
        <source>%1 line %2: not NAME = VALUE</source>
        <extracomment>%1 is the settings file, %2 the line&apos;s number</extracomment>
        <translation>%1 ligne %2 : n&apos;est pas NOM = VALEUR</translation>
    </message>
    <message>
        <source>%1 line %2: price decimals is 0 to %3, not %4</source>
        <extracomment>&quot;price decimals&quot; is the setting&apos;s name in the file</extracomment>
        <translation>%1 ligne %2 : price decimals vaut de 0 à %3, pas %4</translation>
    </message>
    <message>
        <source>%1 line %2: &quot;%3&quot; is not a scale&apos;s name (letters, digits, -, _ and ., not COM1 or COM2)</source>
        <translation>%1 ligne %2 : &quot;%3&quot; n&apos;est pas un nom de balance (lettres, chiffres, -, _ et ., ni COM1 ni COM2)</translation>
    </message>
    <message>
        <source>%1 line %2: %3: %4</source>
        <extracomment>%3 is the scale&apos;s name, %4 why its port&apos;s name cannot be taken</extracomment>
        <translation>%1 ligne %2 : %3 : %4</translation>
    </message>
</context>
<context>
    <name>SheetExchange</name>
    <message>
        <source>Excel File Ingred Data  </source>
        <translation>Données INGRED du fichier Excel  </translation>
    </message>
    <message>
        <source> Data Format Changing ....  %1</source>
        <extracomment>%1 is the text in column A of the row being read</extracomment>
        <translation> Conversion du format ....  %1</translation>
    </message>
    <message>
        <source>PLU Number is %1</source>
        <translation>Numéro PLU : %1</translation>
    </message>
    <message>
        <source>Excel File INGRED Data  </source>
        <translation>Données INGRED du fichier Excel  </translation>
    </message>
    <message>
        <source>  Data Format Changing....  %1</source>
        <extracomment>%1 is the text in column A of the row being read</extracomment>
        <translation>  Conversion du format....  %1</translation>
    </message>
    <message>
        <source>Ingredient Number is %1</source>
        <translation>Numéro d&apos;ingrédient : %1</translation>
    </message>
    <message>
        <source>Nothing was imported: cell A1 is empty, and the records end at the first row whose column A is empty.</source>
        <translation>Rien n&apos;a été importé : la cellule A1 est vide, et les enregistrements s&apos;arrêtent à la première ligne dont la colonne A est vide.</translation>
    </message>
    <message>
        <source>1 row past the %1th was left out: a table holds at most %1 records.</source>
        <translation>1 ligne au-delà de la %1e a été ignorée : une table contient au plus %1 enregistrements.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows past the %1th were left out: a table holds at most %1 records.</source>
        <translation>
            <numerusform>%n ligne au-delà de la %1e a été ignorée : une table contient au plus %1 enregistrements.</numerusform>
            <numerusform>%n lignes au-delà de la %1e ont été ignorées : une table contient au plus %1 enregistrements.</numerusform>
        </translation>
    </message>
    <message>
        <source> Input File Name </source>
        <translation> Nom du fichier d&apos;entrée </translation>
    </message>
    <message>
        <source> Open Excel File </source>
        <translation> Ouverture du fichier Excel </translation>
    </message>
    <message>
        <source> Initializing </source>
        <translation> Initialisation </translation>
    </message>
    <message>
        <source> Data is End </source>
        <translation> Fin des données </translation>
    </message>
    <message>
        <source> Excel File Save </source>
        <translation> Sauvegarde Excel </translation>
    </message>
    <message>
        <source> Data Changing ....  </source>
        <extracomment>followed by the record&apos;s number</extracomment>
        <translation> Conversion des données ....  </translation>
    </message>
    <message>
        <source>ERROR! cannot save %1: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 why it cannot be saved</extracomment>
        <translation>ERROR! impossible d&apos;enregistrer %1 : %2</translation>
    </message>
    <message>
        <source> Save End</source>
        <translation> Enregistré</translation>
    </message>
</context>
<context>
    <name>SheetParts</name>
    <message>
        <source>the formula has no stored result - open and save the file in a spreadsheet program</source>
        <translation>la formule n&apos;a pas de résultat stocké - ouvrez et enregistrez le fichier dans un tableur</translation>
    </message>
    <message>
        <source>a DTD is not allowed</source>
        <translation>une DTD n&apos;est pas autorisée</translation>
    </message>
    <message>
        <source>the text is longer than the %1 characters a cell holds</source>
        <translation>le texte dépasse les %1 caractères que peut contenir une cellule</translation>
    </message>
    <message>
        <source>the text holds the control character U+%1</source>
        <translation>le texte contient le caractère de contrôle U+%1</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>%1 is the row, %2 the column&apos;s letters, %3 why the cell cannot be written</extracomment>
        <translation>ligne %1, colonne %2 : %3</translation>
    </message>
    <message>
        <source>ERROR! sheet row %1, column %2: </source>
        <extracomment>the start of an error text; what is wrong with the cell follows</extracomment>
        <translation>ERROR! ligne %1 de la feuille, colonne %2 : </translation>
    </message>
    <message>
        <source>the cell holds an error value</source>
        <translation>la cellule contient une valeur d&apos;erreur</translation>
    </message>
    <message>
        <source>the part %1 is missing</source>
        <translation>l&apos;élément %1 manque</translation>
    </message>
    <message>
        <source>the part %1 expands to more than %2 MB</source>
        <translation>l&apos;élément %1 dépasse %2 MB une fois décompressé</translation>
    </message>
    <message>
        <source>the part %1, line %2: %3</source>
        <translation>l&apos;élément %1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>the part %1 is damaged or cut short</source>
        <translation>l&apos;élément %1 est endommagé ou tronqué</translation>
    </message>
    <message>
        <source>the part %1 is not well-formed XML (line %2: %3)</source>
        <translation>l&apos;élément %1 n&apos;est pas du XML bien formé (ligne %2 : %3)</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>the server keeps this store: back it up there (pg_dump %1)</source>
        <extracomment>%1: the store&apos;s database on its server</extracomment>
        <translation>le serveur garde cette base : sauvegardez-la sur le serveur (pg_dump %1)</translation>
    </message>
    <message>
        <source>%1 exists; name a new file</source>
        <extracomment>%1: the file the backup copy was to be</extracomment>
        <translation>%1 existe ; nommez un nouveau fichier</translation>
    </message>
</context>
<context>
    <name>StoreCommand</name>
    <message>
        <source>Copy the store of what the scales hold to a new file, consistently.</source>
        <translation>Copier la base de ce que contiennent les balances dans un nouveau fichier, de façon cohérente.</translation>
    </message>
    <message>
        <source>store takes no --port</source>
        <translation>store ne prend pas --port</translation>
    </message>
    <message>
        <source>store takes: backup FILE</source>
        <translation>store prend : backup FILE</translation>
    </message>
    <message>
        <source>ERROR! cannot copy the store to %1: %2</source>
        <translation>ERROR! impossible de copier la base dans %1 : %2</translation>
    </message>
    <message>
        <source>The store is copied to %1</source>
        <translation>La base est copiée dans %1</translation>
    </message>
</context>
<context>
    <name>StoreConnection</name>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (libqt6sql6-psql)</source>
        <translation>le pilote PostgreSQL de Qt n&apos;est pas installé (libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed (libqt6sql6-sqlite)</source>
        <translation>le pilote SQLite de Qt n&apos;est pas installé (libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>name it as postgresql://USER@HOST[:PORT]/DATABASE</source>
        <translation>nommez-la postgresql://USER@HOST[:PORT]/DATABASE</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>it is not open</source>
        <translation>elle n&apos;est pas ouverte</translation>
    </message>
    <message>
        <source>attempt to write a readonly database</source>
        <extracomment>As SQLite says it of a store that may only be read</extracomment>
        <translation>tentative d&apos;écriture dans une base en lecture seule</translation>
    </message>
    <message>
        <source>database is locked</source>
        <extracomment>As SQLite says it of a store that another program is writing</extracomment>
        <translation>la base est verrouillée</translation>
    </message>
</context>
<context>
    <name>StoreDoubt</name>
    <message>
        <source>the store did not answer in time</source>
        <translation>la base n&apos;a pas répondu à temps</translation>
    </message>
    <message>
        <source>its note on this PC could not be written</source>
        <translation>sa note sur ce PC n&apos;a pas pu être écrite</translation>
    </message>
    <message>
        <source>its serial server refused a connection since its last job</source>
        <translation>son serveur série a refusé une connexion depuis sa dernière tâche</translation>
    </message>
    <message>
        <source>the port was lost since its last job</source>
        <translation>le port a été perdu depuis sa dernière tâche</translation>
    </message>
    <message>
        <source>the store could not keep a job</source>
        <translation>la base n&apos;a pas pu garder une tâche</translation>
    </message>
    <message>
        <source>its note of Tarnlink&apos;s jobs on this PC is missing</source>
        <translation>sa note des tâches de Tarnlink sur ce PC manque</translation>
    </message>
    <message>
        <source>its note of Tarnlink&apos;s jobs on this PC cannot be read</source>
        <translation>sa note des tâches de Tarnlink sur ce PC est illisible</translation>
    </message>
    <message>
        <source>a job on it was cut off (Tarnlink was killed or the PC lost power)</source>
        <translation>une tâche a été interrompue (Tarnlink arrêté de force ou PC privé de courant)</translation>
    </message>
    <message>
        <source>another store sent it records since</source>
        <translation>une autre base lui a envoyé des enregistrements depuis</translation>
    </message>
    <message>
        <source>the store could not keep its last job</source>
        <translation>la base n&apos;a pas pu garder sa dernière tâche</translation>
    </message>
    <message>
        <source>the store does not hold its last job (put back from a copy?)</source>
        <translation>la base n&apos;a pas sa dernière tâche (restaurée depuis une copie ?)</translation>
    </message>
</context>
<context>
    <name>StoreLayout</name>
    <message>
        <source>it cannot use write-ahead logging</source>
        <translation>elle ne peut pas utiliser le journal WAL</translation>
    </message>
    <message>
        <source>it was made by a newer Tarnlink (store version %1; this one, %2, reads up to %3) - upgrade this PC: the store needs Tarnlink that reads store version %1</source>
        <extracomment>%1: the store&apos;s version; %2: this Tarnlink&apos;s version; %3: the store version it reads up to</extracomment>
        <translation>elle a été créée par un Tarnlink plus récent (version de base %1 ; celui-ci, %2, lit jusqu&apos;à %3) - mettez à jour ce PC : la base demande un Tarnlink qui lit la version de base %1</translation>
    </message>
    <message>
        <source>it was made by a newer Tarnlink %1 (store version %2; this one, %3, reads up to %4) - upgrade this PC: the store needs Tarnlink %1 or later</source>
        <extracomment>%1: the Tarnlink version that made the store; %2: the store&apos;s version; %3: this Tarnlink&apos;s version; %4: the store version it reads up to</extracomment>
        <translation>elle a été créée par Tarnlink %1, plus récent (version de base %2 ; celui-ci, %3, lit jusqu&apos;à %4) - mettez à jour ce PC : la base demande Tarnlink %1 ou plus récent</translation>
    </message>
    <message>
        <source>it is read-only, and an older Tarnlink made it</source>
        <translation>elle est en lecture seule, et un Tarnlink plus ancien l&apos;a créée</translation>
    </message>
</context>
<context>
    <name>StoreProblems</name>
    <message>
        <source>another program is writing it; Tarnlink writes again at the next job</source>
        <translation>un autre programme y écrit ; Tarnlink écrira de nouveau à la prochaine tâche</translation>
    </message>
    <message>
        <source>make it and its folder writable, or name another file in TARNLINK_STORE</source>
        <translation>rendez-la, ainsi que son dossier, accessible en écriture, ou nommez un autre fichier dans TARNLINK_STORE</translation>
    </message>
    <message>
        <source>free some space on its disk</source>
        <translation>libérez de l&apos;espace sur son disque</translation>
    </message>
    <message>
        <source>check its disk: full, or gone?</source>
        <translation>vérifiez son disque : plein, ou absent ?</translation>
    </message>
    <message>
        <source>move it aside: rename %1 to %1.broken, and Tarnlink starts a new store</source>
        <translation>mettez-la de côté : renommez %1 en %1.broken, et Tarnlink commence une nouvelle base</translation>
    </message>
    <message>
        <source>it must be a file in a folder you may write; or name another file in TARNLINK_STORE</source>
        <translation>ce doit être un fichier dans un dossier où vous pouvez écrire ; ou nommez un autre fichier dans TARNLINK_STORE</translation>
    </message>
    <message>
        <source>ERROR! cannot keep what the scales hold in %1: %2</source>
        <extracomment>%1: the store&apos;s file or server; %2: the database&apos;s own words on what went wrong</extracomment>
        <translation>ERROR! impossible de garder ce que contiennent les balances dans %1 : %2</translation>
    </message>
    <message>
        <source>ERROR! cannot keep what the scales hold in %1: %2 - %3</source>
        <extracomment>%1: the store&apos;s file or server; %2: the database&apos;s own words; %3: what to do about it</extracomment>
        <translation>ERROR! impossible de garder ce que contiennent les balances dans %1 : %2 - %3</translation>
    </message>
</context>
<context>
    <name>StoreWriter</name>
    <message>
        <source>it did not answer in time</source>
        <translation>elle n&apos;a pas répondu à temps</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <source>the file ends before %1</source>
        <extracomment>%1 is a field&apos;s name</extracomment>
        <translation>le fichier se termine avant %1</translation>
    </message>
    <message>
        <source>%1 has no closing double quote</source>
        <translation>%1 n&apos;a pas de guillemet fermant</translation>
    </message>
    <message>
        <source>%1 contains a double quote</source>
        <translation>%1 contient un guillemet</translation>
    </message>
    <message>
        <source>%1 contains a line break</source>
        <translation>%1 contient un saut de ligne</translation>
    </message>
    <message>
        <source>%1 contains &quot;%2&quot;, which the file cannot hold</source>
        <translation>%1 contient &quot;%2&quot;, que le fichier ne peut pas contenir</translation>
    </message>
    <message>
        <source>%1 is a whole number (cents): type %2</source>
        <translation>%1 est un nombre entier (centimes) : tapez %2</translation>
    </message>
    <message>
        <source>ERROR! cannot open %1 (%2)</source>
        <translation>ERROR! impossible d&apos;ouvrir %1 (%2)</translation>
    </message>
    <message>
        <source>ERROR! %1 is too large for a table file</source>
        <translation>ERROR! %1 est trop grand pour un fichier de table</translation>
    </message>
    <message>
        <source>ERROR! cannot read %1 (%2)</source>
        <translation>ERROR! impossible de lire %1 (%2)</translation>
    </message>
    <message>
        <source>ERROR! cannot save %1 (%2)</source>
        <translation>ERROR! impossible d&apos;enregistrer %1 (%2)</translation>
    </message>
    <message>
        <source>INGRED Count is %1</source>
        <translation>Nombre INGRED : %1</translation>
    </message>
    <message>
        <source>ERROR! line %1: %2</source>
        <translation>ERROR! ligne %1 : %2</translation>
    </message>
    <message>
        <source>ERROR! row %1: %2</source>
        <translation>ERROR! ligne %1 : %2</translation>
    </message>
    <message>
        <source>more than %1 records</source>
        <translation>plus de %1 enregistrements</translation>
    </message>
    <message>
        <source>the table cannot be written</source>
        <translation>la table ne peut pas être écrite</translation>
    </message>
</context>
<context>
    <name>Transfers</name>
    <message>
        <source>ERROR! select plu files</source>
        <translation>ERROR! choisissez des fichiers plu</translation>
    </message>
    <message>
        <source>PLU Range is not valid</source>
        <translation>Plage PLU non valide</translation>
    </message>
    <message>
        <source>plu#%1 is transfered</source>
        <translation>plu#%1 envoyé</translation>
    </message>
    <message>
        <source>plu#%1 is received</source>
        <translation>plu#%1 reçu</translation>
    </message>
    <message>
        <source>ERROR! PLU row %1: %2</source>
        <translation>ERROR! PLU ligne %1 : %2</translation>
    </message>
    <message>
        <source>ERROR! PLU number must be 1 to 200</source>
        <translation>ERROR! le numéro PLU doit être de 1 à 200</translation>
    </message>
    <message>
        <source>PLU is not exist</source>
        <translation>PLU inexistant</translation>
    </message>
    <message>
        <source>ERROR! select ingred files</source>
        <translation>ERROR! choisissez des fichiers ingred</translation>
    </message>
    <message>
        <source>INGRED Range is not valid</source>
        <translation>Plage INGRED non valide</translation>
    </message>
    <message>
        <source>Message#%1 is transfered</source>
        <translation>Message#%1 envoyé</translation>
    </message>
    <message>
        <source>INGRED#%1 is received</source>
        <translation>INGRED#%1 reçu</translation>
    </message>
    <message>
        <source>ERROR! INGRED row %1: %2</source>
        <translation>ERROR! INGRED ligne %1 : %2</translation>
    </message>
    <message>
        <source>ERROR! INGRED number must be 1 to 200</source>
        <translation>ERROR! le numéro INGRED doit être de 1 à 200</translation>
    </message>
    <message>
        <source>END</source>
        <extracomment>The status line&apos;s word when an ingredient upload reached the scale&apos;s last message</extracomment>
        <translation>FIN</translation>
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
        <translation>Lire les enregistrements de la balance et enregistrer la table dans FILE.</translation>
    </message>
    <message>
        <source>upload takes one of --one and --all</source>
        <translation>upload prend une option parmi --one et --all</translation>
    </message>
    <message>
        <source>upload reads from one port</source>
        <translation>upload lit depuis un seul port</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>no folder %1</source>
        <translation>pas de dossier %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to</source>
        <translation>le dossier %1 n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>%1 not written: the upload did not end normally</source>
        <translation>%1 non écrit : la lecture ne s&apos;est pas terminée normalement</translation>
    </message>
</context>
<context>
    <name>WindowOptions</name>
    <message>
        <source>Keeps the PLU and ingredient tables of a label-printing retail scale.</source>
        <translation>Gère les tables PLU et ingrédients d&apos;une balance étiqueteuse.</translation>
    </message>
    <message>
        <source>Choose this port on the &quot;Port&quot; tab: COM1, COM2, a device path, tcp:HOST:PORT or a scale&apos;s name from the settings file (&quot;Other&quot;), for this run: it is not remembered. It opens when &quot;Open&quot; is pressed.</source>
        <translation>Choisir ce port dans l&apos;onglet &quot;Port&quot; : COM1, COM2, un chemin de périphérique, tcp:HOST:PORT ou un nom de balance du fichier de réglages (&quot;Autre&quot;), pour cette fois : il n&apos;est pas retenu. Il s&apos;ouvre quand on appuie sur &quot;Ouvrir&quot;.</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>The value of --port in the help, as in --port &lt;name&gt;</extracomment>
        <translation>nom</translation>
    </message>
</context>
<context>
    <name>WorkbookReader</name>
    <message>
        <source>not a workbook it can read</source>
        <translation>pas un classeur lisible</translation>
    </message>
    <message>
        <source>the workbook is protected by a password</source>
        <translation>le classeur est protégé par un mot de passe</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>impossible d&apos;ouvrir %1</translation>
    </message>
</context>
<context>
    <name>WorkbookWriter</name>
    <message>
        <source>sheet name must have 1 to 31 characters</source>
        <translation>le nom de feuille doit avoir de 1 à 31 caractères</translation>
    </message>
    <message>
        <source>too many rows or columns for a workbook</source>
        <translation>trop de lignes ou de colonnes pour un classeur</translation>
    </message>
    <message>
        <source>active cell outside the sheet</source>
        <translation>cellule active hors de la feuille</translation>
    </message>
    <message>
        <source>cannot build the workbook</source>
        <translation>impossible de créer le classeur</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>PLU Count is %1</source>
        <translation>Nombre de PLU : %1</translation>
    </message>
    <message>
        <source>Message Count is %1</source>
        <translation>Nombre de messages : %1</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>not an .xlsx workbook</source>
        <translation>pas un classeur .xlsx</translation>
    </message>
    <message>
        <source>the workbook is in the 2006 pre-release .xlsx format, which is not a format it reads</source>
        <translation>le classeur est au format .xlsx de pré-version 2006, qui n&apos;est pas un format lisible</translation>
    </message>
    <message>
        <source>the workbook holds no worksheet</source>
        <translation>le classeur ne contient aucune feuille</translation>
    </message>
    <message>
        <source>the worksheet holds a cell it cannot place (%1)</source>
        <translation>la feuille contient une cellule impossible à placer (%1)</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>a row of a worksheet, as the worksheet numbers it</extracomment>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>cell %1 names no shared text</source>
        <translation>la cellule %1 ne désigne aucun texte partagé</translation>
    </message>
    <message>
        <source>cell %1 names shared text %2, but there are only %3</source>
        <translation>la cellule %1 désigne le texte partagé %2, mais il n&apos;y en a que %3</translation>
    </message>
</context>
<context>
    <name>XlsxWriter</name>
    <message>
        <source>no room for a scratch file: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>pas de place pour un fichier temporaire : %1</translation>
    </message>
    <message>
        <source>cannot start the workbook</source>
        <translation>impossible de commencer le classeur</translation>
    </message>
</context>
<context>
    <name>tarn::AboutDialog</name>
    <message>
        <source>Tarnlink downloads and uploads PLU and ingredient data for price-computing, label-printing retail scales.
Version %1
Contact: your scale dealer or the Tarnlink developers, tarnlink@example.org</source>
        <extracomment>%1: the program&apos;s version</extracomment>
        <translation>Tarnlink envoie et lit les données PLU et ingrédients des balances poids-prix étiqueteuses.
Version %1
Contact : votre revendeur de balances ou les développeurs de Tarnlink, tarnlink@example.org</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>N°</translation>
    </message>
    <message>
        <source>Field</source>
        <extracomment>column: the table&apos;s field that differs</extracomment>
        <translation>Champ</translation>
    </message>
    <message>
        <source>PC</source>
        <extracomment>column: what the PC&apos;s table holds</extracomment>
        <translation>PC</translation>
    </message>
    <message>
        <source>Scale</source>
        <extracomment>column: what the scale holds</extracomment>
        <translation>Balance</translation>
    </message>
    <message>
        <source>The scale holds this table</source>
        <translation>La balance contient cette table</translation>
    </message>
    <message numerus="yes">
        <source>The scale holds %n record(s) differently</source>
        <translation>
            <numerusform>La balance contient %n enregistrement différent</numerusform>
            <numerusform>La balance contient %n enregistrements différents</numerusform>
        </translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>a side that holds no such record</extracomment>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>(this record)</source>
        <extracomment>a side that holds the whole record, the other none</extracomment>
        <translation>(cet enregistrement)</translation>
    </message>
</context>
<context>
    <name>tarn::FindBar</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>Finds the next cell that holds the text</extracomment>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Closes the find bar</extracomment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
</context>
<context>
    <name>tarn::GridActions</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Followed by the step&apos;s name: &quot;Undo Paste&quot;</extracomment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Followed by the step&apos;s name: &quot;Redo Paste&quot;</extracomment>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <extracomment>Empties the selected cells</extracomment>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>Rec&amp;hercher...</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Paste</source>
        <extracomment>The undo step of a paste, shown as &quot;Undo Paste&quot;</extracomment>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>The undo step of emptying the selected cells, shown as &quot;Undo Clear&quot;</extracomment>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>tarn::GridModel</name>
    <message>
        <source>Longer than the scale keeps; it keeps &quot;%1&quot;</source>
        <extracomment>A cell&apos;s tool tip: %1 is what the scale keeps of its text</extracomment>
        <translation>Plus long que ce que garde la balance ; elle garde &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>tarn::GridUndo</name>
    <message>
        <source>Typing</source>
        <extracomment>The undo step of a typed cell, shown as &quot;Undo Typing&quot;</extracomment>
        <translation>Saisie</translation>
    </message>
</context>
<context>
    <name>tarn::HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Started</source>
        <extracomment>column: when the transfer started</extracomment>
        <translation>Début</translation>
    </message>
    <message>
        <source>Ended</source>
        <extracomment>column: when the transfer ended</extracomment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Outcome</source>
        <extracomment>column: ok, failed, ... as the store keeps it</extracomment>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>column: the port&apos;s name</extracomment>
        <translation>Port</translation>
    </message>
    <message>
        <source>Scale</source>
        <extracomment>column: the scale&apos;s identity</extracomment>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Table</source>
        <extracomment>column: PLU or INGRED</extracomment>
        <translation>Table</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>column: download, upload or compare</extracomment>
        <translation>Type</translation>
    </message>
    <message>
        <source>What</source>
        <extracomment>column: which records (ALL, 1-5, Changed)</extracomment>
        <translation>Quoi</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>column: the number of records</extracomment>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>Differ</source>
        <extracomment>column: the number of records that differed</extracomment>
        <translation>Différents</translation>
    </message>
    <message>
        <source>How it ended</source>
        <extracomment>column: the status text the transfer ended with</extracomment>
        <translation>Message de fin</translation>
    </message>
    <message>
        <source>(never ended)</source>
        <translation>(jamais terminé)</translation>
    </message>
</context>
<context>
    <name>tarn::LabelActions</name>
    <message>
        <source>Print &amp;labels...</source>
        <translation>Imprimer les é&amp;tiquettes...</translation>
    </message>
    <message>
        <source>Print p&amp;rice list...</source>
        <translation>Imprimer la liste de p&amp;rix...</translation>
    </message>
    <message numerus="yes">
        <source>Print labels for the %n records just sent</source>
        <translation>
            <numerusform>Imprimer les étiquettes de %n enregistrement envoyé</numerusform>
            <numerusform>Imprimer les étiquettes des %n enregistrements envoyés</numerusform>
        </translation>
    </message>
    <message>
        <source>Print labels</source>
        <translation>Imprimer les étiquettes</translation>
    </message>
    <message numerus="yes">
        <source>&amp;All %n records</source>
        <translation>
            <numerusform>&amp;Tout : %n enregistrement</numerusform>
            <numerusform>&amp;Tous les %n enregistrements</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;One</source>
        <extracomment>a label for one record, its slot chosen beside</extracomment>
        <translation>&amp;Un</translation>
    </message>
    <message>
        <source>&amp;Range</source>
        <extracomment>the labels of the slots from ... to ...</extracomment>
        <translation>&amp;Plage</translation>
    </message>
    <message>
        <source>&amp;Changed since last printed</source>
        <translation>&amp;Modifiées depuis la dernière impression</translation>
    </message>
    <message numerus="yes">
        <source>The %n records just &amp;sent</source>
        <translation>
            <numerusform>%n enregistrement &amp;envoyé à l&apos;instant</numerusform>
            <numerusform>%n enregistrements &amp;envoyés à l&apos;instant</numerusform>
        </translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>between the first and the last slot of a range</extracomment>
        <translation>à</translation>
    </message>
    <message>
        <source>Sheet</source>
        <extracomment>the kind of label sheet (its layout) printed on</extracomment>
        <translation>Planche</translation>
    </message>
    <message>
        <source>Labels already used on the first sheet</source>
        <translation>Étiquettes déjà utilisées sur la première planche</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>&amp;Aperçu...</translation>
    </message>
    <message>
        <source>P&amp;DF...</source>
        <extracomment>writes the labels to a PDF file</extracomment>
        <translation>P&amp;DF...</translation>
    </message>
    <message>
        <source>No labels to print</source>
        <translation>Aucune étiquette à imprimer</translation>
    </message>
    <message numerus="yes">
        <source>Labels: %n written to %1</source>
        <translation>
            <numerusform>Étiquettes : %n écrite dans %1</numerusform>
            <numerusform>Étiquettes : %n écrites dans %1</numerusform>
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
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source> Error ! PLU No is over </source>
        <extracomment>A status line text: Enter or a paste would go past the table&apos;s last row. Keep the spaces at both ends and the start &quot;Error !&quot;.</extracomment>
        <translation> Error ! PLU No dépassé </translation>
    </message>
    <message>
        <source> Error ! Message No is over </source>
        <extracomment>The same for the INGRED table, whose records are messages.</extracomment>
        <translation> Error ! Message No dépassé </translation>
    </message>
    <message>
        <source>P&amp;LU</source>
        <extracomment>The tab of the PLU table&apos;s grid</extracomment>
        <translation>P&amp;LU</translation>
    </message>
    <message>
        <source>D&amp;ownload</source>
        <translation>&amp;Envoi</translation>
    </message>
    <message>
        <source>Uplo&amp;ad</source>
        <translation>Lect&amp;ure</translation>
    </message>
    <message>
        <source>IN&amp;GRED</source>
        <extracomment>The tab of the INGRED table&apos;s grid</extracomment>
        <translation>IN&amp;GRED</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>exported to %1; no %2 file holds it</source>
        <extracomment>Why Exit asks about a table with nothing unsaved: its grid went to a workbook (%1) and no file of the table&apos;s own (%2: PLU or INGRED) holds it.</extracomment>
        <translation>exportée vers %1 ; aucun fichier %2 ne la contient</translation>
    </message>
    <message>
        <source>exported to %1; %2 is older</source>
        <extracomment>The same when the table&apos;s own file (%2) is older than the workbook (%1).</extracomment>
        <translation>exportée vers %1 ; %2 est plus ancien</translation>
    </message>
    <message>
        <source>&amp;PLU</source>
        <extracomment>The PLU table&apos;s menu</extracomment>
        <translation>&amp;PLU</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <extracomment>Menu entry: empties the table</extracomment>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <extracomment>The menu of the files to open the table from</extracomment>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;PLU File( *.PLU)</source>
        <translation>&amp;Fichier PLU( *.PLU)</translation>
    </message>
    <message>
        <source>&amp;Excel File( *.XLS)</source>
        <translation>Fichier &amp;Excel( *.XLS)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>The menu of the files to save the table into</extracomment>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;PLU File ( *.PLU)</source>
        <translation>&amp;Fichier PLU ( *.PLU)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;INGRED</source>
        <extracomment>The INGRED table&apos;s menu</extracomment>
        <translation>&amp;INGRED</translation>
    </message>
    <message>
        <source>&amp;INGRED File( *.INGRED)</source>
        <translation>&amp;Fichier INGRED( *.INGRED)</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;À propos</translation>
    </message>
    <message>
        <source>Port No</source>
        <translation>N° de port</translation>
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
        <translation>Aut&amp;re</translation>
    </message>
    <message>
        <source>Op&amp;en</source>
        <extracomment>Opens the port</extracomment>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Closes the port</extracomment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>Known scales</source>
        <translation>Balances connues</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Names</source>
        <extracomment>The port names the scale was used under</extracomment>
        <translation>Noms</translation>
    </message>
    <message>
        <source>PC</source>
        <extracomment>The computer that ran the scale&apos;s last job</extracomment>
        <translation>PC</translation>
    </message>
    <message>
        <source>Last job</source>
        <translation>Dernière tâche</translation>
    </message>
    <message>
        <source>Ended</source>
        <extracomment>When the last job ended</extracomment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>How it ended</source>
        <translation>Message de fin</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <extracomment>When the scale last confirmed what the store says it holds</extracomment>
        <translation>Confirmé</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Unit</source>
        <extracomment>The unit price the scale shows</extracomment>
        <translation>Prix unit.</translation>
    </message>
    <message>
        <source>Price</source>
        <extracomment>The total price the scale shows</extracomment>
        <translation>Prix</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <extracomment>Reads the scale&apos;s display again</extracomment>
        <translation>A&amp;ctualiser</translation>
    </message>
    <message>
        <source>To</source>
        <extracomment>Between the first and the last number of a range</extracomment>
        <translation>À</translation>
    </message>
    <message>
        <source>PLU Download Option</source>
        <translation>Option d&apos;envoi PLU</translation>
    </message>
    <message>
        <source>On&amp;e PLU</source>
        <extracomment>An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>Un PLU</translation>
    </message>
    <message>
        <source>&amp;Multiple PLU</source>
        <extracomment>An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>Plu&amp;sieurs PLU</translation>
    </message>
    <message>
        <source>ALL PLU</source>
        <translation>TOUS LES PLU</translation>
    </message>
    <message>
        <source>&amp;Changed</source>
        <extracomment>Sends the records the scale does not hold as they stand. An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>&amp;Modifiés</translation>
    </message>
    <message>
        <source>INGRED Download Option</source>
        <translation>Option d&apos;envoi INGRED</translation>
    </message>
    <message>
        <source>O&amp;ne INGRED</source>
        <extracomment>An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>U&amp;n INGRED</translation>
    </message>
    <message>
        <source>M&amp;ultiple INGRED</source>
        <extracomment>An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>Plusieurs INGRED</translation>
    </message>
    <message>
        <source>ALL ING&amp;RED</source>
        <extracomment>An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>TOUS LES ING&amp;RED</translation>
    </message>
    <message>
        <source>C&amp;hanged</source>
        <extracomment>Sends the records the scale does not hold as they stand. An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>Mo&amp;difiés</translation>
    </message>
    <message>
        <source> PLU &amp;Download</source>
        <translation> Env&amp;oi PLU</translation>
    </message>
    <message>
        <source>INGRED Do&amp;wnload</source>
        <translation>En&amp;voi INGRED</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>V&amp;érifier</translation>
    </message>
    <message>
        <source>After the download, read the table back and list any record the scale holds differently</source>
        <translation>Après l&apos;envoi, relire la table et lister tout enregistrement que la balance contient autrement</translation>
    </message>
    <message>
        <source>PLU Upload Option</source>
        <translation>Option de lecture PLU</translation>
    </message>
    <message>
        <source>All PLU</source>
        <translation>Tous les PLU</translation>
    </message>
    <message>
        <source>INGRED Upload Option</source>
        <translation>Option de lecture INGRED</translation>
    </message>
    <message>
        <source>All INGRED</source>
        <translation>Tous les INGRED</translation>
    </message>
    <message>
        <source>PLU &amp;Upload</source>
        <translation>Le&amp;cture PLU</translation>
    </message>
    <message>
        <source>INGRED Uploa&amp;d</source>
        <translation>Lecture INGRE&amp;D</translation>
    </message>
    <message>
        <source>PLU Co&amp;mpare</source>
        <translation>Co&amp;mparer PLU</translation>
    </message>
    <message>
        <source>INGRED Compa&amp;re</source>
        <translation>Compa&amp;rer INGRED</translation>
    </message>
</context>
<context>
    <name>tarn::MemoryActions</name>
    <message>
        <source>%1 to send</source>
        <extracomment>beside Changed: the number of records a Changed download would send, or ?</extracomment>
        <translation>%1 à envoyer</translation>
    </message>
    <message>
        <source>%1 to send once saved</source>
        <extracomment>beside Changed: the number of records a Changed download would send once the grid is saved, or ?</extracomment>
        <translation>%1 à envoyer après enregistrement</translation>
    </message>
    <message>
        <source>? to send: its table is read first</source>
        <extracomment>beside Changed: the download reads the scale&apos;s table before it sends</extracomment>
        <translation>? à envoyer : sa table est lue d&apos;abord</translation>
    </message>
    <message>
        <source>? to send once saved: its table is read first</source>
        <extracomment>beside Changed, for a grid not yet saved: the download reads the scale&apos;s table before it sends</extracomment>
        <translation>? à envoyer après enregistrement : sa table est lue d&apos;abord</translation>
    </message>
    <message>
        <source>The store cannot vouch for this scale: %1</source>
        <translation>La base ne peut pas garantir cette balance : %1</translation>
    </message>
    <message>
        <source>running, or cut off</source>
        <translation>en cours, ou interrompu</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>a scale (%1) and where it stands (%2)</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 Compare</source>
        <extracomment>the title of the list of differences a Compare found: &quot;PLU Compare&quot;, &quot;INGRED Compare&quot;</extracomment>
        <translation>Comparaison %1</translation>
    </message>
    <message>
        <source>%1 Verify</source>
        <extracomment>the title of the list of differences a download&apos;s Verify found: &quot;PLU Verify&quot;</extracomment>
        <translation>Vérification %1</translation>
    </message>
</context>
<context>
    <name>tarn::PortActions</name>
    <message>
        <source>open port1</source>
        <translation>port1 ouvert</translation>
    </message>
    <message>
        <source>open port2</source>
        <translation>port2 ouvert</translation>
    </message>
    <message>
        <source>open port%1</source>
        <extracomment>The port (%1, a device or a scale&apos;s name) is open; no space before it</extracomment>
        <translation>port%1 ouvert</translation>
    </message>
    <message>
        <source>Port is already opened</source>
        <translation>Port déjà ouvert</translation>
    </message>
    <message>
        <source>Other</source>
        <extracomment>The &quot;Other&quot; port&apos;s option, named when its box is empty</extracomment>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Port is not opened</source>
        <translation>Port non ouvert</translation>
    </message>
    <message>
        <source>close port</source>
        <translation>port fermé</translation>
    </message>
</context>
<context>
    <name>tarn::PriceListActions</name>
    <message>
        <source>Price &amp;list...</source>
        <translation>&amp;Liste de prix...</translation>
    </message>
    <message>
        <source>Price list</source>
        <extracomment>the step Undo takes back (&quot;Undo Price list&quot;)</extracomment>
        <translation>Liste de prix</translation>
    </message>
</context>
<context>
    <name>tarn::PriceListDialog</name>
    <message>
        <source>Price list</source>
        <translation>Liste de prix</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;ppliquer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>(not used)</source>
        <extracomment>a field that no column of the list fills</extracomment>
        <translation>(non utilisé)</translation>
    </message>
    <message>
        <source>%1 (key)</source>
        <extracomment>%1: the key field&apos;s name, as the files name it (&quot;PLU No&quot;)</extracomment>
        <translation>%1 (clé)</translation>
    </message>
    <message>
        <source>Price decimals</source>
        <translation>Décimales des prix</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>column: the grid&apos;s row and the record&apos;s key</extracomment>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Field</source>
        <extracomment>column: the field that changes</extracomment>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Old</source>
        <extracomment>column: the field&apos;s text before</extracomment>
        <translation>Ancien</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>column: the field&apos;s text after</extracomment>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Choose the list&apos;s column for %1: it is the key.</source>
        <translation>Choisissez la colonne de la liste pour %1 : c&apos;est la clé.</translation>
    </message>
    <message>
        <source>row %1: %2 %3</source>
        <extracomment>a record: its grid row (%1), its key field&apos;s name (%2) and value (%3)</extracomment>
        <translation>ligne %1 : %2 %3</translation>
    </message>
    <message>
        <source>row %1: %2 %3 (new)</source>
        <extracomment>a record the list adds: its grid row (%1), its key field&apos;s name (%2) and value (%3)</extracomment>
        <translation>ligne %1 : %2 %3 (nouveau)</translation>
    </message>
</context>
<context>
    <name>tarn::ScaleLink</name>
    <message>
        <source>ERROR! cannot open %1: %2</source>
        <extracomment>%1 is the port, %2 why it cannot be opened</extracomment>
        <translation>ERROR! impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>in use by another program (process %1)</source>
        <translation>utilisé par un autre programme (processus %1)</translation>
    </message>
    <message>
        <source>ERROR! lost port %1: %2</source>
        <extracomment>%1 is the port, %2 why it was lost</extracomment>
        <translation>ERROR! port %1 perdu : %2</translation>
    </message>
    <message>
        <source>ERROR! port is not open</source>
        <translation>ERROR! le port n&apos;est pas ouvert</translation>
    </message>
</context>
<context>
    <name>tarn::SerialPort</name>
    <message>
        <source>the line cannot be written any more</source>
        <translation>la ligne ne peut plus être écrite</translation>
    </message>
    <message>
        <source>the line cannot be read any more</source>
        <translation>la ligne ne peut plus être lue</translation>
    </message>
    <message>
        <source>%1 - join the dialout group (sudo adduser $USER dialout), then log in again</source>
        <extracomment>%1 is the system&apos;s reason; &quot;dialout&quot; and the command stay as they are</extracomment>
        <translation>%1 - rejoignez le groupe dialout (sudo adduser $USER dialout), puis reconnectez-vous</translation>
    </message>
    <message>
        <source>a stale lock file %1 blocks it - remove it</source>
        <translation>un fichier de verrou périmé %1 le bloque - supprimez-le</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>pas un port série</translation>
    </message>
</context>
<context>
    <name>tarn::TcpPort</name>
    <message>
        <source>cannot look the name up: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>impossible de résoudre le nom : %1</translation>
    </message>
    <message>
        <source>no connection within %1 s</source>
        <translation>pas de connexion en %1 s</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Hôte introuvable</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>le serveur a fermé la connexion</translation>
    </message>
    <message>
        <source>not a network serial server&apos;s name (tcp:HOST:PORT)</source>
        <translation>pas un nom de serveur série réseau (tcp:HOST:PORT)</translation>
    </message>
    <message>
        <source>the connect was stopped</source>
        <translation>la connexion a été arrêtée</translation>
    </message>
    <message>
        <source>the connection was not made</source>
        <translation>la connexion n&apos;a pas été établie</translation>
    </message>
    <message>
        <source>the connection cannot be written any more</source>
        <translation>la connexion ne peut plus être écrite</translation>
    </message>
</context>
<context>
    <name>tarn::TransferActions</name>
    <message>
        <source>The scale stopped answering after %1 of %2 records. Check that it is on and cabled, then send Changed: it sends the rest.</source>
        <extracomment>&quot;Changed&quot; is the download&apos;s option of that name</extracomment>
        <translation>La balance ne répond plus après %1 enregistrements sur %2. Vérifiez qu&apos;elle est allumée et câblée, puis envoyez Modifiés : cela envoie le reste.</translation>
    </message>
    <message>
        <source>The scale stopped answering after %1 of %2 records. Check that it is on and cabled, then upload again.</source>
        <translation>La balance ne répond plus après %1 enregistrements sur %2. Vérifiez qu&apos;elle est allumée et câblée, puis relancez la lecture.</translation>
    </message>
    <message>
        <source>The scale stopped answering after %1 of %2 records. Check that it is on and cabled, then compare again.</source>
        <translation>La balance ne répond plus après %1 enregistrements sur %2. Vérifiez qu&apos;elle est allumée et câblée, puis relancez la comparaison.</translation>
    </message>
    <message>
        <source>The port was lost after %1 of %2 records (adapter pulled out?). Open it again, then send Changed.</source>
        <extracomment>&quot;Changed&quot; is the download&apos;s option of that name</extracomment>
        <translation>Le port a été perdu après %1 enregistrements sur %2 (adaptateur débranché ?). Rouvrez-le, puis envoyez Modifiés.</translation>
    </message>
    <message>
        <source>The port was lost after %1 of %2 records (adapter pulled out?). Open it again, then upload again.</source>
        <translation>Le port a été perdu après %1 enregistrements sur %2 (adaptateur débranché ?). Rouvrez-le, puis relancez la lecture.</translation>
    </message>
    <message>
        <source>The port was lost after %1 of %2 records (adapter pulled out?). Open it again, then compare again.</source>
        <translation>Le port a été perdu après %1 enregistrements sur %2 (adaptateur débranché ?). Rouvrez-le, puis relancez la comparaison.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>A download is running (%1 of %2 sent). Stop it and exit?</source>
        <extracomment>Exit&apos;s question while a download runs; %1 of %2 records sent so far</extracomment>
        <translation>Un envoi est en cours (%1 sur %2 envoyés). L&apos;arrêter et quitter ?</translation>
    </message>
    <message>
        <source>A download is running. Stop it and exit?</source>
        <translation>Un envoi est en cours. L&apos;arrêter et quitter ?</translation>
    </message>
    <message>
        <source>An upload is running (%1 of %2 received). Stop it and exit?</source>
        <extracomment>Exit&apos;s question while an upload runs; %1 of %2 records received so far</extracomment>
        <translation>Une lecture est en cours (%1 sur %2 reçus). L&apos;arrêter et quitter ?</translation>
    </message>
    <message>
        <source>An upload is running. Stop it and exit?</source>
        <translation>Une lecture est en cours. L&apos;arrêter et quitter ?</translation>
    </message>
    <message>
        <source>A compare is running (%1 of %2 read). Stop it and exit?</source>
        <extracomment>Exit&apos;s question while a compare runs; %1 of %2 records read so far</extracomment>
        <translation>Une comparaison est en cours (%1 sur %2 lus). L&apos;arrêter et quitter ?</translation>
    </message>
    <message>
        <source>A compare is running. Stop it and exit?</source>
        <translation>Une comparaison est en cours. L&apos;arrêter et quitter ?</translation>
    </message>
    <message>
        <source>A read of the scale&apos;s display is running. Stop it and exit?</source>
        <translation>Une lecture de l&apos;affichage de la balance est en cours. L&apos;arrêter et quitter ?</translation>
    </message>
</context>
</TS>
