<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Barcode</name>
    <message>
        <source>the barcode library is out of memory</source>
        <translation>biblioteca de códigos de barras sin memoria</translation>
    </message>
</context>
<context>
    <name>ChangedPlan</name>
    <message>
        <source>The scale does not hold what Tarnlink last sent it: reading its table</source>
        <translation>La báscula no tiene lo último que Tarnlink le envió: leyendo su tabla</translation>
    </message>
    <message>
        <source>Nothing to send: the scale&apos;s table, read now, holds this table</source>
        <translation>Nada que enviar: la tabla de la báscula, leída ahora, contiene esta tabla</translation>
    </message>
    <message>
        <source>The store cannot vouch for this scale: %1</source>
        <extracomment>%1: why the store&apos;s word is doubted, in the store&apos;s words</extracomment>
        <translation>El almacén no puede responder por esta báscula: %1</translation>
    </message>
    <message>
        <source>Nothing to send: the scale holds this table</source>
        <translation>Nada que enviar: la báscula contiene esta tabla</translation>
    </message>
    <message>
        <source>Checking what the scale holds: its record %1 is not as Tarnlink sent it</source>
        <translation>Comprobando la báscula: su registro %1 no es como Tarnlink lo envió</translation>
    </message>
    <message>
        <source>Checking what the scale holds: asked for record %1, it sent record %2</source>
        <translation>Comprobando la báscula: se pidió el registro %1 y envió el registro %2</translation>
    </message>
    <message>
        <source>Checking what the scale holds: its record %1 is missing</source>
        <translation>Comprobando la báscula: falta su registro %1</translation>
    </message>
    <message>
        <source>Checking what the scale holds: its slot %1 is empty</source>
        <translation>Comprobando la báscula: su posición %1 está vacía</translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>When the scale&apos;s whole table was last read: never</extracomment>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Nothing to send: 1 record read back agrees with what Tarnlink sent; whole table last read %1</source>
        <extracomment>%1: when the whole table was last read (&quot;today 14:02&quot;, &quot;never&quot;)</extracomment>
        <translation>Nada que enviar: 1 registro leído coincide con lo enviado por Tarnlink; última lectura de toda la tabla: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to send: %n records read back agree with what Tarnlink sent; whole table last read %1</source>
        <extracomment>%1: when the whole table was last read (&quot;today 14:02&quot;, &quot;never&quot;)</extracomment>
        <translation>
            <numerusform>Nada que enviar: %n registro leído coincide con lo enviado por Tarnlink; última lectura de toda la tabla: %1</numerusform>
            <numerusform>Nada que enviar: %n registros leídos coinciden con lo enviado por Tarnlink; última lectura de toda la tabla: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>today %1</source>
        <extracomment>%1: a time of day, &quot;14:02&quot;</extracomment>
        <translation>hoy %1</translation>
    </message>
    <message>
        <source>yesterday %1</source>
        <extracomment>%1: a time of day, &quot;09:10&quot;</extracomment>
        <translation>ayer %1</translation>
    </message>
    <message>
        <source>Nothing to send: the scale held this table when last checked (%1)</source>
        <extracomment>%1: when it was last checked (&quot;today 14:02&quot;, &quot;yesterday 09:10&quot;, &quot;2026-12-03 14:02&quot;)</extracomment>
        <translation>Nada que enviar: la báscula contenía esta tabla en la última comprobación (%1)</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to send; the scale also holds %n records this table does not have (Compare lists them)</source>
        <translation>
            <numerusform>Nada que enviar; la báscula tiene además %n registro que esta tabla no tiene (Comparar lo lista)</numerusform>
            <numerusform>Nada que enviar; la báscula tiene además %n registros que esta tabla no tiene (Comparar los lista)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent; the scale also holds %n records this table does not have (Compare lists them)</source>
        <translation>
            <numerusform>Enviado; la báscula tiene además %n registro que esta tabla no tiene (Comparar lo lista)</numerusform>
            <numerusform>Enviado; la báscula tiene además %n registros que esta tabla no tiene (Comparar los lista)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 no admite valor</translation>
    </message>
    <message>
        <source>--port &quot;%1&quot;: %2</source>
        <translation>--port &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>--port %1 is given twice</source>
        <translation>--port %1 se indica dos veces</translation>
    </message>
    <message>
        <source>--port %1 and --port %2 are one port: %3</source>
        <translation>--port %1 y --port %2 son el mismo puerto: %3</translation>
    </message>
    <message>
        <source>%1 needs a port: give --port PORT, or name the scale to use in %2 (&quot;port = NAME&quot;)</source>
        <translation>%1 necesita un puerto: indicar --port PORT, o el nombre de la báscula en %2 (&quot;port = NAME&quot;)</translation>
    </message>
    <message>
        <source>--format is text, csv or json, not %1</source>
        <translation>--format es text, csv o json, no %1</translation>
    </message>
    <message>
        <source>%1 needs plu|ingred and %2</source>
        <translation>%1 necesita plu|ingred y %2</translation>
    </message>
    <message>
        <source>%1 needs plu|ingred, %2 and %3</source>
        <translation>%1 necesita plu|ingred, %2 y %3</translation>
    </message>
    <message>
        <source>%1 needs plu|ingred, %2, %3 and %4</source>
        <translation>%1 necesita plu|ingred, %2, %3 y %4</translation>
    </message>
    <message>
        <source>%1: the table is plu or ingred, not %2</source>
        <translation>%1: la tabla es plu o ingred, no %2</translation>
    </message>
    <message>
        <source>%1: %2 tables are kept in .%2 files and .XLS, .XLSX, .ODS, .FODS, .CSV or .TXT spreadsheets</source>
        <translation>%1: las tablas %2 se guardan en archivos .%2 y en hojas .XLS, .XLSX, .ODS, .FODS, .CSV o .TXT</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
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
        <translation>  --port PORT   COM1, COM2, la ruta de un dispositivo serie, tcp:HOST:PORT para
                una báscula tras un servidor serie de red (HOST un nombre, una
                dirección IPv4 o una dirección [IPv6]), o el nombre de una
                báscula del archivo de configuración; sin esta opción, el
                &quot;port&quot; del archivo de configuración. download admite hasta
                %1 y envía los mismos registros a todos los puertos a la vez,
                con cada línea empezando por &quot;PORT name: &quot;
</translation>
    </message>
    <message>
        <source>  --one N       the record in slot N (download) or the number N (upload)
</source>
        <translation>  --one N       el registro de la posición N (download) o el número N (upload)
</translation>
    </message>
    <message>
        <source>  --range S E   slots S to E (download)
</source>
        <translation>  --range S E   posiciones S a E (download)
</translation>
    </message>
    <message>
        <source>  --all         every record (the default)
</source>
        <translation>  --all         todos los registros (por defecto)
</translation>
    </message>
    <message>
        <source>  -o OUT.pdf    labels: the PDF file to write
</source>
        <translation>  -o OUT.pdf    labels: el archivo PDF que se escribe
</translation>
    </message>
    <message>
        <source>  --printer NAME
                labels: the system&apos;s printer to print on
</source>
        <translation>  --printer NAME
                labels: la impresora del sistema en la que imprimir
</translation>
    </message>
    <message>
        <source>  --layout L    labels: the sheet, 3x8, 2x7, 4x10, roll or settings
                (the settings file&apos;s [labels])
</source>
        <translation>  --layout L    labels: la hoja, 3x8, 2x7, 4x10, roll o settings
                ([labels] del archivo de configuración)
</translation>
    </message>
    <message>
        <source>  --skip N      labels: leave the first N labels of the first sheet empty
</source>
        <translation>  --skip N      labels: dejar vacías las N primeras etiquetas de la 1.ª hoja
</translation>
    </message>
    <message>
        <source>  --list        labels: the price list instead, one row a record
</source>
        <translation>  --list        labels: la lista de precios en su lugar, una fila por registro
</translation>
    </message>
    <message>
        <source>  --changed     download: only the records the scale on each port does not
                hold as they stand, by what Tarnlink sent it or read from it;
                labels: only the labels that print otherwise than when last
                printed from FILE, or with --port what a Changed download
                would send to that scale
</source>
        <translation>  --changed     download: solo los registros que la báscula de cada puerto no
                tiene tal como están, según lo que Tarnlink le envió o leyó
                de ella; labels: solo las etiquetas que se imprimen distintas
                de la última impresión desde FILE, o con --port lo que un
                envío Cambiados enviaría a esa báscula
</translation>
    </message>
    <message>
        <source>  --verify      download: read the table back after it and list the records
                the scale holds differently
</source>
        <translation>  --verify      download: volver a leer la tabla después y listar los
                registros que la báscula tiene distintos
</translation>
    </message>
    <message>
        <source>  --plu N, --ingred N
                history: only the transfers of that record
</source>
        <translation>  --plu N, --ingred N
                history: solo las transferencias de ese registro
</translation>
    </message>
    <message>
        <source>  --since WHEN  history: only the transfers started since WHEN (2026-12-07 or
                &quot;2026-12-07 14:00&quot;, local time)
</source>
        <translation>  --since WHEN  history: solo las transferencias iniciadas desde WHEN
                (2026-12-07 o &quot;2026-12-07 14:00&quot;, hora local)
</translation>
    </message>
    <message>
        <source>  --limit N     history: the newest N transfers (default 50; 0: all)
</source>
        <translation>  --limit N     history: las N transferencias más recientes (por defecto 50;
                0: todas)
</translation>
    </message>
    <message>
        <source>  --map MAP     merge: FIELD=COLUMN,... each table field (&quot;PLU No&quot;, &quot;U/Price&quot;,
                ...) and the list&apos;s column that fills it, by header text or letter
</source>
        <translation>  --map MAP     merge: CAMPO=COLUMNA,... cada campo de la tabla (&quot;PLU No&quot;,
                &quot;U/Price&quot;, ...) y la columna de la lista que lo llena, por
                su texto de cabecera o su letra
</translation>
    </message>
    <message>
        <source>  --price-decimals N
                merge: the list&apos;s prices have up to N decimals, 0 to 3
                (default the settings file&apos;s &quot;price decimals&quot;, 2)
</source>
        <translation>  --price-decimals N
                merge: los precios de la lista tienen hasta N decimales, 0 a 3
                (por defecto &quot;price decimals&quot; del archivo de configuración, 2)
</translation>
    </message>
    <message>
        <source>  --format F    text (the default), csv or json: compare&apos;s differences,
                history&apos;s transfers, download&apos;s outcome on each port,
                the scales the store knows, status&apos;s rows; times in ISO 8601
                with their offset
</source>
        <translation>  --format F    text (por defecto), csv o json: las diferencias de compare,
                las transferencias de history, el resultado de download en
                cada puerto, las básculas que conoce el almacén, las filas de
                status; horas en ISO 8601 con su desfase
</translation>
    </message>
    <message>
        <source>  --quiet       only results and errors: no status texts, progress or warnings
</source>
        <translation>  --quiet       solo resultados y errores: sin textos de estado, progreso ni
                avisos
</translation>
    </message>
    <message>
        <source>  --help        this text (after a command: that command&apos;s)
</source>
        <translation>  --help        este texto (tras un comando: el de ese comando)
</translation>
    </message>
    <message>
        <source>  --version     the program&apos;s version
</source>
        <translation>  --version     la versión del programa
</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>Begins the usage lines (a blank follows); the lines below it are indented as far.</extracomment>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>man tarnlink-cli has the details.</source>
        <translation>Detalles en man tarnlink-cli.</translation>
    </message>
    <message>
        <source>Sends the PLU and ingredient tables of a label-printing scale, reads them back and
converts their files, as the Tarnlink window does, without a window.</source>
        <extracomment>The lines of --help, each of at most 80 columns.</extracomment>
        <translation>Envía las tablas de PLU e ingredientes de una báscula etiquetadora, las vuelve a
leer y convierte sus archivos, como la ventana de Tarnlink, pero sin ventana.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
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
        <translation>FILE, TABLE, IN y OUT son archivos de tabla .PLU o .INGRED u hojas de cálculo
.XLS, .XLSX, .ODS, .FODS, .CSV o .TXT, según la extensión (el IN de merge es una
hoja de cálculo). Los registros de una hoja tras el 200.º, o una A1 vacía, se
indican en un aviso en stderr.
Cada texto que la ventana mostraría en su línea de estado se imprime en una
línea propia, en stdout, y sus errores (&quot;ERROR! ...&quot;) en stderr; en un terminal
los textos de un trabajo son una línea de progreso por puerto.
Los nombres de las básculas, el puerto que usar si no se da --port, el almacén
de lo que tienen las básculas (store = FILE o postgresql://...) y los nombres
de este PC y esta tienda en él (pc =, por defecto el nombre del host; shop =,
por defecto el nombre del PC) vienen del archivo de configuración %1.
Estado de salida: 0 el trabajo terminó con normalidad, 1 se rechazó o falló,
2 no se entendió la línea de comandos, 3 compare o --verify vio que la báscula
tiene registros distintos (status: una báscula que no tiene la tabla), 4 otro
programa usaba un puerto, 5 enviado pero no registrado en el almacén, 130, 143
o 129 terminado por Ctrl-C, SIGTERM o SIGHUP.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>falta el comando</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>interrumpido</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>comando desconocido %1</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>not on the scale</source>
        <translation>no está en la báscula</translation>
    </message>
    <message>
        <source>only on the scale</source>
        <translation>solo en la báscula</translation>
    </message>
    <message>
        <source>only on the scale: %1</source>
        <extracomment>%1: the record as the scale holds it, &quot;PEARS, U/Price 349&quot;</extracomment>
        <translation>solo en la báscula: %1</translation>
    </message>
    <message>
        <source>%1 PC %2, scale %3</source>
        <extracomment>A field that differs: its name as in the files (&quot;U/Price&quot;), the PC&apos;s value, the scale&apos;s value.</extracomment>
        <translation>%1 PC %2, báscula %3</translation>
    </message>
    <message>
        <source>Read the scale&apos;s table and list the records it holds unlike FILE.</source>
        <translation>Leer la tabla de la báscula y listar los registros que tiene distintos de FILE.</translation>
    </message>
    <message>
        <source>compare reads from one port</source>
        <translation>compare lee de un solo puerto</translation>
    </message>
    <message>
        <source>The scale holds this table</source>
        <translation>La báscula contiene esta tabla</translation>
    </message>
    <message numerus="yes">
        <source>The scale holds %n record(s) differently</source>
        <translation>
            <numerusform>La báscula tiene %n registro distinto</numerusform>
            <numerusform>La báscula tiene %n registros distintos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>write error</source>
        <translation>error de escritura</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>Load the table from IN and save it to OUT.</source>
        <translation>Cargar la tabla de IN y guardarla en OUT.</translation>
    </message>
    <message>
        <source>convert does not use a port</source>
        <translation>convert no usa ningún puerto</translation>
    </message>
    <message>
        <source>%1: its first row is not the header of a PLU table: this looks like a price list: use tarnlink-cli merge</source>
        <translation>%1: su primera fila no es la cabecera de una tabla PLU: parece una lista de precios: usar tarnlink-cli merge</translation>
    </message>
    <message>
        <source>%1: its first row is not the header of an ingredient table: this looks like a price list: use tarnlink-cli merge</source>
        <translation>%1: su primera fila no es la cabecera de una tabla de ingredientes: parece una lista de precios: usar tarnlink-cli merge</translation>
    </message>
</context>
<context>
    <name>CsvSheet</name>
    <message>
        <source>line %1: a byte that is not %2, although the file starts as %2</source>
        <extracomment>%2 is the encoding, UTF-8 or UTF-16</extracomment>
        <translation>línea %1: un byte que no es %2, aunque el archivo empieza como %2</translation>
    </message>
    <message>
        <source>line %1: a quoted field has no closing quote</source>
        <translation>línea %1: un campo entre comillas no tiene comilla de cierre</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Read the scale&apos;s weight, unit price and total price once.</source>
        <translation>Leer una vez el peso, el precio unitario y el precio total de la báscula.</translation>
    </message>
    <message>
        <source>display takes no %1</source>
        <translation>display no admite %1</translation>
    </message>
    <message>
        <source>display reads one port</source>
        <translation>display lee de un solo puerto</translation>
    </message>
    <message>
        <source>the scale did not answer on %1</source>
        <translation>la báscula no respondió en %1</translation>
    </message>
    <message>
        <source>Weight %1</source>
        <extracomment>%1: the scale&apos;s weight read-out as it shows it</extracomment>
        <translation>Peso %1</translation>
    </message>
    <message>
        <source>Unit %1</source>
        <extracomment>%1: the scale&apos;s unit price read-out as it shows it</extracomment>
        <translation>P. unitario %1</translation>
    </message>
    <message>
        <source>Price %1</source>
        <extracomment>%1: the scale&apos;s total price read-out as it shows it</extracomment>
        <translation>Precio %1</translation>
    </message>
    <message>
        <source>the scale sent no display record on %1</source>
        <translation>la báscula no envió ningún registro de visor en %1</translation>
    </message>
</context>
<context>
    <name>Download</name>
    <message>
        <source>%1 %2 is longer than the scale keeps; it keeps &quot;%3&quot;</source>
        <extracomment>%1: the record (&quot;plu#2&quot;), %2: its field as in the files (&quot;Item name1&quot;), %3: the part of the text the scale keeps</extracomment>
        <translation>%1 %2 es más largo de lo que guarda la báscula; guarda &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Load FILE and send its records to the scale on every port at once.</source>
        <translation>Cargar FILE y enviar sus registros a la báscula de cada puerto a la vez.</translation>
    </message>
    <message>
        <source>download takes one of --one, --range, --all and --changed</source>
        <translation>download admite una de --one, --range, --all y --changed</translation>
    </message>
    <message>
        <source>--range needs 2 values</source>
        <translation>--range necesita 2 valores</translation>
    </message>
    <message>
        <source>download takes at most %1 ports</source>
        <translation>download admite como máximo %1 puertos</translation>
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
        <translation>Mensaje %1 %2</translation>
    </message>
    <message>
        <source>no saved records</source>
        <translation>sin registros guardados</translation>
    </message>
    <message>
        <source>not a row number</source>
        <translation>no es un número de fila</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>The row a download&apos;s &quot;One&quot; choice selects, as the start of the text beside its box</extracomment>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>rows %1 to %2</source>
        <extracomment>The rows a download&apos;s &quot;Multiple&quot; choice selects</extracomment>
        <translation>filas %1 a %2</translation>
    </message>
    <message>
        <source>%1: past the last record (%2)</source>
        <extracomment>%1: &quot;row 5&quot; or &quot;rows 5 to 9&quot;; %2: the number of records in the table</extracomment>
        <translation>%1: pasado el último registro (%2)</translation>
    </message>
    <message>
        <source>%1: nothing</source>
        <extracomment>%1: &quot;rows 5 to 3&quot;; the download sends no record</extracomment>
        <translation>%1: nada</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>The first and the last record selected: &quot;PLU 12 APPLE to PLU 14 PEAR&quot;</extracomment>
        <translation>%1 a %2</translation>
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
        <translation>La tabla %1 tiene cambios sin guardar.</translation>
    </message>
    <message>
        <source>The %1 and %2 tables have changes that are not saved.</source>
        <extracomment>%1 and %2: the changed tables&apos; names, PLU and INGRED</extracomment>
        <translation>Las tablas %1 y %2 tienen cambios sin guardar.</translation>
    </message>
    <message>
        <source>Save them before Tarnlink ends?</source>
        <translation>¿Guardarlos antes de cerrar Tarnlink?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>Saves the changed tables</extracomment>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Disc&amp;ard</source>
        <extracomment>Drops the changes</extracomment>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Stop and exit</source>
        <translation>&amp;Detener y salir</translation>
    </message>
    <message>
        <source>&amp;Go on</source>
        <extracomment>Lets the exchange go on and the program stay open</extracomment>
        <translation>C&amp;ontinuar</translation>
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
        <translation>Archivo PLU</translation>
    </message>
    <message>
        <source>INGRED file</source>
        <translation>Archivo INGRED</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>PDF File</source>
        <translation>Archivo PDF</translation>
    </message>
    <message>
        <source>Price lists</source>
        <translation>Listas de precios</translation>
    </message>
    <message>
        <source>Excel File</source>
        <translation>Archivo Excel</translation>
    </message>
    <message>
        <source>Excel Workbook</source>
        <translation>Libro de Excel</translation>
    </message>
    <message>
        <source>OpenDocument Spreadsheet</source>
        <translation>Hoja de cálculo OpenDocument</translation>
    </message>
    <message>
        <source>CSV File</source>
        <translation>Archivo CSV</translation>
    </message>
    <message>
        <source>ALL File</source>
        <extracomment>a filter of the file dialogs: files of any kind</extracomment>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>All spreadsheets</source>
        <translation>Todas las hojas de cálculo</translation>
    </message>
</context>
<context>
    <name>Handshake</name>
    <message>
        <source>Retry #</source>
        <extracomment>followed by the number of the retry</extracomment>
        <translation>Reintento #</translation>
    </message>
    <message>
        <source>SyncOK error</source>
        <translation>Error de SyncOK</translation>
    </message>
    <message>
        <source>ERROR! plu#%1: no valid answer after 10 restarts</source>
        <translation>ERROR! plu#%1: sin respuesta válida tras 10 reinicios</translation>
    </message>
    <message>
        <source>Sync error PLU No : %1</source>
        <translation>Error de sincronización PLU No : %1</translation>
    </message>
    <message>
        <source>Download command error</source>
        <translation>Error del comando de envío</translation>
    </message>
    <message>
        <source>PLU # is not same</source>
        <translation>El n.º de PLU no coincide</translation>
    </message>
    <message>
        <source>Sync error Message No : %1</source>
        <translation>Error de sincronización Message No : %1</translation>
    </message>
    <message>
        <source>Message # is not same</source>
        <translation>El n.º de mensaje no coincide</translation>
    </message>
    <message>
        <source>ERROR! Message#%1: no valid answer after 10 restarts</source>
        <translation>ERROR! Mensaje#%1: sin respuesta válida tras 10 reinicios</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Error de sincronización</translation>
    </message>
    <message>
        <source>Upload command error</source>
        <translation>Error del comando de lectura</translation>
    </message>
    <message>
        <source>Receive PLU time out</source>
        <translation>Tiempo agotado al recibir PLU</translation>
    </message>
    <message>
        <source>Receive INGRED time out</source>
        <translation>Tiempo agotado al recibir INGRED</translation>
    </message>
    <message>
        <source>ERROR! INGRED#%1: no valid answer after 10 restarts</source>
        <translation>ERROR! INGRED#%1: sin respuesta válida tras 10 reinicios</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>A job&apos;s start (date and time) and end (time)</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1 (never ended)</source>
        <translation>%1 (no terminó)</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n registro</numerusform>
            <numerusform>%n registros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n differ</source>
        <extracomment>Records a compare or verify found held differently</extracomment>
        <translation>
            <numerusform>%n distinto</numerusform>
            <numerusform>%n distintos</numerusform>
        </translation>
    </message>
    <message>
        <source>List the jobs run on the scales, newest first.</source>
        <translation>Listar los trabajos hechos en las básculas, los más recientes primero.</translation>
    </message>
    <message>
        <source>history takes no %1</source>
        <translation>history no admite %1</translation>
    </message>
    <message>
        <source>history takes one --port</source>
        <translation>history admite un solo --port</translation>
    </message>
    <message>
        <source>history takes one of --plu and --ingred</source>
        <translation>history admite una de --plu y --ingred</translation>
    </message>
    <message>
        <source>--%1 takes a number from 1 to %2</source>
        <extracomment>%1: the option&apos;s name (&quot;plu&quot;), %2: the highest number</extracomment>
        <translation>--%1 admite un número de 1 a %2</translation>
    </message>
    <message>
        <source>--since takes a date: YYYY-MM-DD or &quot;YYYY-MM-DD HH:MM&quot;</source>
        <translation>--since admite una fecha: AAAA-MM-DD o &quot;AAAA-MM-DD HH:MM&quot;</translation>
    </message>
    <message>
        <source>--limit takes a number: the newest N jobs (0: all)</source>
        <translation>--limit admite un número: los N trabajos más recientes (0: todos)</translation>
    </message>
    <message>
        <source>%1 %2 (slot %3) at %4</source>
        <extracomment>A record&apos;s moment in a job: table, number, slot, date and time</extracomment>
        <translation>%1 %2 (posición %3) el %4</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message numerus="yes">
        <source>Checking what the scale holds: reading back %n record(s)</source>
        <translation>
            <numerusform>Comprobando la báscula: volviendo a leer %n registro</numerusform>
            <numerusform>Comprobando la báscula: volviendo a leer %n registros</numerusform>
        </translation>
    </message>
    <message>
        <source>Verify: the scale holds this table</source>
        <translation>Verificar: la báscula contiene esta tabla</translation>
    </message>
    <message numerus="yes">
        <source>Verify: the scale holds %n record(s) differently</source>
        <translation>
            <numerusform>Verificar: la báscula tiene %n registro distinto</numerusform>
            <numerusform>Verificar: la báscula tiene %n registros distintos</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped</source>
        <extracomment>The display read was stopped</extracomment>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Stopped before the first record</source>
        <translation>Detenido antes del primer registro</translation>
    </message>
    <message>
        <source>Stopped after plu#%1</source>
        <extracomment>%1: the slot or number of the last PLU record that went through</extracomment>
        <translation>Detenido tras plu#%1</translation>
    </message>
    <message>
        <source>Stopped after Message#%1</source>
        <extracomment>%1: the slot of the last ingredient record the scale took</extracomment>
        <translation>Detenido tras Mensaje#%1</translation>
    </message>
    <message>
        <source>Stopped after INGRED#%1</source>
        <extracomment>%1: the number of the last ingredient record the scale gave</extracomment>
        <translation>Detenido tras INGRED#%1</translation>
    </message>
    <message>
        <source>ERROR! sent, not recorded: the store could not keep this job, so the next Changed download reads the scale&apos;s table first</source>
        <translation>ERROR! enviado, no registrado: el almacén no pudo guardar este trabajo; el próximo envío Cambiados leerá antes la tabla de la báscula</translation>
    </message>
    <message>
        <source>ERROR! not recorded: the store could not keep this job, so the next Changed download reads the scale&apos;s table first</source>
        <translation>ERROR! no registrado: el almacén no pudo guardar este trabajo; el próximo envío Cambiados leerá antes la tabla de la báscula</translation>
    </message>
</context>
<context>
    <name>LabelContent</name>
    <message>
        <source>price unit is kg or each, not %1</source>
        <extracomment>&quot;price unit&quot; is a setting&apos;s name, &quot;kg&quot; and &quot;each&quot; its values: they stay as they are</extracomment>
        <translation>price unit es kg o each, no %1</translation>
    </message>
    <message>
        <source>barcode is code128, ean8 or instore, not %1</source>
        <extracomment>&quot;barcode&quot; is a setting&apos;s name, &quot;code128&quot;, &quot;ean8&quot; and &quot;instore&quot; its values</extracomment>
        <translation>barcode es code128, ean8 o instore, no %1</translation>
    </message>
    <message>
        <source>shop digit is one digit, 0 to 9, not %1</source>
        <extracomment>&quot;shop digit&quot; is a setting&apos;s name</extracomment>
        <translation>shop digit es un dígito, de 0 a 9, no %1</translation>
    </message>
    <message>
        <source>PLU %1: item code %2 is not a number of up to 10 digits: no barcode</source>
        <translation>PLU %1: el código de artículo %2 no es un número de hasta 10 dígitos: sin código de barras</translation>
    </message>
    <message>
        <source>PLU %1: item code %2 does not end in its EAN-8 check digit: Code 128 instead</source>
        <translation>PLU %1: el código de artículo %2 no acaba en su dígito de control EAN-8: se usa Code 128</translation>
    </message>
    <message>
        <source>PLU %1: item code %2 is not 7 or 8 digits: Code 128 instead</source>
        <translation>PLU %1: el código de artículo %2 no tiene 7 u 8 dígitos: se usa Code 128</translation>
    </message>
    <message>
        <source>per kg</source>
        <extracomment>printed on a label after the price</extracomment>
        <translation>por kg</translation>
    </message>
    <message>
        <source>each</source>
        <extracomment>printed on a label after the price</extracomment>
        <translation>la unidad</translation>
    </message>
    <message>
        <source>use within 1 day</source>
        <translation>consumir en 1 día</translation>
    </message>
    <message numerus="yes">
        <source>use within %n days</source>
        <translation>
            <numerusform>consumir en %n día</numerusform>
            <numerusform>consumir en %n días</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LabelLayout</name>
    <message>
        <source>a sheet has at least 1 column and 1 row</source>
        <translation>una hoja tiene al menos 1 columna y 1 fila</translation>
    </message>
    <message>
        <source>a label is wider and higher than 0 mm</source>
        <translation>una etiqueta mide más de 0 mm de ancho y de alto</translation>
    </message>
    <message numerus="yes">
        <source>%n column(s) of %1 mm with gaps of %2 mm need %3 mm, the page is %4 mm wide</source>
        <translation>
            <numerusform>%n columna de %1 mm con huecos de %2 mm necesita %3 mm, la página mide %4 mm de ancho</numerusform>
            <numerusform>%n columnas de %1 mm con huecos de %2 mm necesitan %3 mm, la página mide %4 mm de ancho</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of %1 mm with gaps of %2 mm need %3 mm, the page is %4 mm high</source>
        <translation>
            <numerusform>%n fila de %1 mm con huecos de %2 mm necesita %3 mm, la página mide %4 mm de alto</numerusform>
            <numerusform>%n filas de %1 mm con huecos de %2 mm necesitan %3 mm, la página mide %4 mm de alto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n column(s) of %1 mm with gaps of %2 mm from a margin of %3 mm need %4 mm, the page is %5 mm wide</source>
        <translation>
            <numerusform>%n columna de %1 mm con huecos de %2 mm desde un margen de %3 mm necesita %4 mm, la página mide %5 mm de ancho</numerusform>
            <numerusform>%n columnas de %1 mm con huecos de %2 mm desde un margen de %3 mm necesitan %4 mm, la página mide %5 mm de ancho</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of %1 mm with gaps of %2 mm from a margin of %3 mm need %4 mm, the page is %5 mm high</source>
        <translation>
            <numerusform>%n fila de %1 mm con huecos de %2 mm desde un margen de %3 mm necesita %4 mm, la página mide %5 mm de alto</numerusform>
            <numerusform>%n filas de %1 mm con huecos de %2 mm desde un margen de %3 mm necesitan %4 mm, la página mide %5 mm de alto</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a setting of a label sheet (layout, page, label, columns, rows, margins, gaps)</source>
        <extracomment>the names in brackets are the settings&apos; names: they stay as they are</extracomment>
        <translation>%1 no es un ajuste de hoja de etiquetas (layout, page, label, columns, rows, margins, gaps)</translation>
    </message>
    <message>
        <source>layout: %1 is none of %2</source>
        <extracomment>&quot;layout&quot; is a setting&apos;s name; %2 lists the sheets&apos; names</extracomment>
        <translation>layout: %1 no es ninguna de %2</translation>
    </message>
    <message>
        <source>page: %1 is not A4, A5, Letter or WIDTHxHEIGHT in mm</source>
        <extracomment>&quot;page&quot;, &quot;A4&quot;, &quot;A5&quot; and &quot;Letter&quot; are the settings&apos; words</extracomment>
        <translation>page: %1 no es A4, A5, Letter ni ANCHOxALTO en mm</translation>
    </message>
    <message>
        <source>label: %1 is not WIDTHxHEIGHT in mm</source>
        <extracomment>&quot;label&quot; is a setting&apos;s name</extracomment>
        <translation>label: %1 no es ANCHOxALTO en mm</translation>
    </message>
    <message>
        <source>%1: %2 is not a number from 1 to 50</source>
        <extracomment>%1 is a setting&apos;s name (columns, rows), %2 its value</extracomment>
        <translation>%1: %2 no es un número de 1 a 50</translation>
    </message>
    <message>
        <source>gaps: %1 is not ACROSS DOWN in mm</source>
        <extracomment>&quot;gaps&quot; is a setting&apos;s name</extracomment>
        <translation>gaps: %1 no es HORIZONTAL VERTICAL en mm</translation>
    </message>
    <message>
        <source>margins: %1 is not LEFT TOP in mm</source>
        <extracomment>&quot;margins&quot; is a setting&apos;s name</extracomment>
        <translation>margins: %1 no es IZQUIERDO SUPERIOR en mm</translation>
    </message>
    <message>
        <source>does not fit: %1</source>
        <extracomment>%1 says what does not fit</extracomment>
        <translation>no cabe: %1</translation>
    </message>
    <message>
        <source>%1 is not a label sheet: %2 or settings</source>
        <extracomment>%2 lists the sheets&apos; names; &quot;settings&quot; is a name too, and stays as it is</extracomment>
        <translation>%1 no es una hoja de etiquetas: %2 o settings</translation>
    </message>
</context>
<context>
    <name>LabelPrint</name>
    <message>
        <source>1 day</source>
        <extracomment>the price list&apos;s column &quot;Use within&quot;</extracomment>
        <translation>1 día</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
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
        <translation>Item name1</translation>
    </message>
    <message>
        <source>Item name2</source>
        <translation>Item name2</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Item code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Use within</source>
        <translation>Consumir en</translation>
    </message>
    <message>
        <source>Price list</source>
        <extracomment>the heading of the printed price list</extracomment>
        <translation>Lista de precios</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>there is no printer %1 (this PC has none)</source>
        <translation>no existe la impresora %1 (este PC no tiene ninguna)</translation>
    </message>
    <message>
        <source>there is no printer %1 (this PC has %2)</source>
        <extracomment>%2 lists the printers this PC has</extracomment>
        <translation>no existe la impresora %1 (este PC tiene %2)</translation>
    </message>
    <message>
        <source>the printer %1 failed</source>
        <translation>falló la impresora %1</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Print shelf labels, or the price list, of FILE&apos;s PLU records.</source>
        <translation>Imprimir etiquetas de estante, o la lista de precios, de los registros PLU de FILE.</translation>
    </message>
    <message>
        <source>labels are printed from the plu table</source>
        <translation>las etiquetas se imprimen desde la tabla plu</translation>
    </message>
    <message>
        <source>labels takes one of --one, --range, --all and --changed</source>
        <translation>labels admite una de --one, --range, --all y --changed</translation>
    </message>
    <message>
        <source>labels needs one of -o OUT.pdf and --printer NAME</source>
        <translation>labels necesita -o OUT.pdf o --printer NAME</translation>
    </message>
    <message>
        <source>%1: labels are written to a .pdf file</source>
        <translation>%1: las etiquetas se escriben en un archivo .pdf</translation>
    </message>
    <message>
        <source>--one is a slot from 1 to %1, not %2</source>
        <translation>--one es una posición de 1 a %1, no %2</translation>
    </message>
    <message>
        <source>--range is two slots S &lt;= E from 1 to %1, not %2</source>
        <translation>--range son dos posiciones S &lt;= E de 1 a %1, no %2</translation>
    </message>
    <message>
        <source>labels takes --port with --changed: the records a Changed download would send to that scale</source>
        <translation>labels admite --port con --changed: los registros que un envío Cambiados enviaría a esa báscula</translation>
    </message>
    <message>
        <source>labels --changed asks about one port</source>
        <translation>labels --changed pregunta por un solo puerto</translation>
    </message>
    <message>
        <source>--skip is 0 to %1 on a %2 sheet of %3 labels, not %4</source>
        <extracomment>%2: the sheet&apos;s name (&quot;3x8&quot;, &quot;roll&quot;, &quot;settings&quot;)</extracomment>
        <translation>--skip es de 0 a %1 en una hoja %2 de %3 etiquetas, no %4</translation>
    </message>
    <message>
        <source>No labels to print: the table is empty</source>
        <translation>No hay etiquetas que imprimir: la tabla está vacía</translation>
    </message>
    <message numerus="yes">
        <source>ERROR! slot %1 is past the table&apos;s %n record(s)</source>
        <translation>
            <numerusform>ERROR! la posición %1 pasa del %n registro de la tabla</numerusform>
            <numerusform>ERROR! la posición %1 pasa de los %n registros de la tabla</numerusform>
        </translation>
    </message>
    <message>
        <source>No labels to print: every label was printed as it stands</source>
        <translation>No hay etiquetas que imprimir: todas se imprimieron tal como están</translation>
    </message>
    <message>
        <source>the scale on %1 was not checked: these are the records the store says it does not hold (%2)</source>
        <translation>la báscula de %1 no se comprobó: estos son los registros que no tiene según el almacén (%2)</translation>
    </message>
    <message>
        <source>the scale on %1 was not checked: these are the records the store says it does not hold</source>
        <translation>la báscula de %1 no se comprobó: estos son los registros que no tiene según el almacén</translation>
    </message>
    <message>
        <source>No labels to print: the scale holds every record as it stands</source>
        <translation>No hay etiquetas que imprimir: la báscula tiene todos los registros tal como están</translation>
    </message>
    <message>
        <source>Price list</source>
        <extracomment>The title of the PDF file or the printer&apos;s job</extracomment>
        <translation>Lista de precios</translation>
    </message>
    <message>
        <source>Labels</source>
        <extracomment>The title of the PDF file or the printer&apos;s job</extracomment>
        <translation>Etiquetas</translation>
    </message>
    <message numerus="yes">
        <source>Price list: %n record(s) on %1 page(s) written to %2</source>
        <translation>
            <numerusform>Lista de precios: %n registro en %1 página(s) escrito en %2</numerusform>
            <numerusform>Lista de precios: %n registros en %1 página(s) escritos en %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Price list: %n record(s) on %1 page(s) sent to printer %2</source>
        <translation>
            <numerusform>Lista de precios: %n registro en %1 página(s) enviado a la impresora %2</numerusform>
            <numerusform>Lista de precios: %n registros en %1 página(s) enviados a la impresora %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Labels: %n on %1 page(s) written to %2</source>
        <extracomment>%n labels</extracomment>
        <translation>
            <numerusform>Etiquetas: %n en %1 página(s) escrita en %2</numerusform>
            <numerusform>Etiquetas: %n en %1 página(s) escritas en %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Labels: %n on %1 page(s) sent to printer %2</source>
        <extracomment>%n labels</extracomment>
        <translation>
            <numerusform>Etiquetas: %n en %1 página(s) enviada a la impresora %2</numerusform>
            <numerusform>Etiquetas: %n en %1 página(s) enviadas a la impresora %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the store could not keep which labels were printed: a later --changed prints them again</source>
        <translation>el almacén no pudo guardar qué etiquetas se imprimieron: un --changed posterior las imprimirá de nuevo</translation>
    </message>
</context>
<context>
    <name>ListDialog</name>
    <message>
        <source>&amp;Close</source>
        <extracomment>the button that closes a list (Compare, History)</extracomment>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>Merge</name>
    <message>
        <source>Merge a price list IN into TABLE and save the result to OUT.</source>
        <translation>Combinar una lista de precios IN en TABLE y guardar el resultado en OUT.</translation>
    </message>
    <message>
        <source>merge does not use a port</source>
        <translation>merge no usa ningún puerto</translation>
    </message>
    <message>
        <source>%1: a price list is an .XLS, .XLSX, .ODS, .CSV or .TXT spreadsheet</source>
        <translation>%1: una lista de precios es una hoja de cálculo .XLS, .XLSX, .ODS, .CSV o .TXT</translation>
    </message>
    <message>
        <source>merge needs --map, e.g. --map &quot;PLU No=Article,U/Price=Price&quot;</source>
        <extracomment>&quot;PLU No&quot; and &quot;U/Price&quot; are the table&apos;s field names, as they are in every language; &quot;Article&quot; and &quot;Price&quot; are a price list&apos;s column headers.</extracomment>
        <translation>merge necesita --map, p. ej. --map &quot;PLU No=Artículo,U/Price=Precio&quot;</translation>
    </message>
    <message>
        <source>--price-decimals is for the plu table</source>
        <translation>--price-decimals es para la tabla plu</translation>
    </message>
    <message>
        <source>--price-decimals is 0 to %1, not %2</source>
        <translation>--price-decimals es de 0 a %1, no %2</translation>
    </message>
</context>
<context>
    <name>NumberResult</name>
    <message>
        <source>is not a number</source>
        <extracomment>after a field&apos;s name</extracomment>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <extracomment>after a field&apos;s name; %1 is the text read</extracomment>
        <translation>%1 no es un número entero</translation>
    </message>
    <message>
        <source>is out of range</source>
        <extracomment>after a field&apos;s name</extracomment>
        <translation>está fuera de rango</translation>
    </message>
</context>
<context>
    <name>OdsReader</name>
    <message>
        <source>elements nest deeper than %1 levels</source>
        <translation>los elementos se anidan a más de %1 niveles</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>el archivo ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>not an .ods spreadsheet</source>
        <translation>no es una hoja de cálculo .ods</translation>
    </message>
    <message>
        <source>the spreadsheet holds no table</source>
        <translation>la hoja de cálculo no contiene ninguna tabla</translation>
    </message>
    <message>
        <source>a repeat count of row %1 is not a number</source>
        <translation>un número de repeticiones de la fila %1 no es un número</translation>
    </message>
</context>
<context>
    <name>OdsWriter</name>
    <message>
        <source>cannot build the spreadsheet</source>
        <translation>no se puede crear la hoja de cálculo</translation>
    </message>
</context>
<context>
    <name>PortName</name>
    <message>
        <source>no port name</source>
        <translation>sin nombre de puerto</translation>
    </message>
    <message>
        <source>not a network serial server&apos;s name (tcp:HOST:PORT)</source>
        <translation>no es el nombre de un servidor serie de red (tcp:HOST:PORT)</translation>
    </message>
    <message>
        <source>the name is too long for a device</source>
        <translation>el nombre es demasiado largo para un dispositivo</translation>
    </message>
</context>
<context>
    <name>PriceList</name>
    <message>
        <source>ERROR! %1: more than %2 rows</source>
        <extracomment>%1 is the file&apos;s name</extracomment>
        <translation>ERROR! %1: más de %2 filas</translation>
    </message>
    <message>
        <source>%1 is not a price</source>
        <extracomment>after a field&apos;s name; %1 is the text read</extracomment>
        <translation>%1 no es un precio</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <extracomment>after a field&apos;s name; %1 is the text read</extracomment>
        <translation>%1 no es un número entero</translation>
    </message>
    <message>
        <source>%1 has more than %2 decimals</source>
        <extracomment>after a field&apos;s name; %1 is the text read, %2 how many decimals a price has</extracomment>
        <translation>%1 tiene más de %2 decimales</translation>
    </message>
    <message>
        <source>is out of range</source>
        <extracomment>after a field&apos;s name</extracomment>
        <translation>está fuera de rango</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not FIELD=COLUMN</source>
        <translation>&quot;%1&quot; no es CAMPO=COLUMNA</translation>
    </message>
    <message>
        <source>%1 is not a field of the %2 table (%3)</source>
        <extracomment>%1 is the name given, %2 the table (PLU, INGRED), %3 its fields&apos; names</extracomment>
        <translation>%1 no es un campo de la tabla %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is mapped twice</source>
        <translation>%1 se asigna dos veces</translation>
    </message>
    <message>
        <source>the list has no column &quot;%1&quot; (a header text of its first row, or a letter A to Z)</source>
        <translation>la lista no tiene la columna &quot;%1&quot; (un texto de cabecera de su primera fila, o una letra de A a Z)</translation>
    </message>
    <message>
        <source>%1 must be mapped: it is the key</source>
        <translation>%1 debe asignarse: es la clave</translation>
    </message>
    <message>
        <source>Price list: %1 changed, %2 new, %3 unchanged</source>
        <translation>Lista de precios: %1 cambiados, %2 nuevos, %3 sin cambios</translation>
    </message>
    <message>
        <source>Price list: %1 changed (%2), %3 new, %4 unchanged</source>
        <extracomment>%2 lists the fields changed, each with its count: &quot;U/Price 3, Tare 1&quot;</extracomment>
        <translation>Lista de precios: %1 cambiados (%2), %3 nuevos, %4 sin cambios</translation>
    </message>
    <message>
        <source>ERROR! %1 must be mapped: it is the key</source>
        <translation>ERROR! %1 debe asignarse: es la clave</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 está vacío</translation>
    </message>
    <message>
        <source>%1 %2 is also in sheet row %3</source>
        <extracomment>%1 is the key&apos;s field name, %2 the key</extracomment>
        <translation>%1 %2 también está en la fila %3 de la hoja</translation>
    </message>
    <message>
        <source>%1 %2 is in rows %3 and %4 of the table</source>
        <extracomment>%1 is the key&apos;s field name, %2 the key</extracomment>
        <translation>%1 %2 está en las filas %3 y %4 de la tabla</translation>
    </message>
    <message>
        <source>%1 %2 is new and the table has no free row</source>
        <extracomment>%1 is the key&apos;s field name, %2 the key</extracomment>
        <translation>%1 %2 es nuevo y la tabla no tiene ninguna fila libre</translation>
    </message>
</context>
<context>
    <name>RecordCodec</name>
    <message>
        <source>has no single-byte code for &apos;%1&apos;</source>
        <extracomment>after a field&apos;s name; %1 is the character</extracomment>
        <translation>no tiene código de un byte para &apos;%1&apos;</translation>
    </message>
    <message>
        <source>is negative</source>
        <extracomment>after a field&apos;s name</extracomment>
        <translation>es negativo</translation>
    </message>
    <message>
        <source>is out of range: %1</source>
        <extracomment>after a field&apos;s name; %1 is the number read</extracomment>
        <translation>está fuera de rango: %1</translation>
    </message>
</context>
<context>
    <name>Rows</name>
    <message>
        <source>SCALE</source>
        <extracomment>A column&apos;s header in the text form of tarnlink-cli scales and status, in capitals</extracomment>
        <translation>BÁSCULA</translation>
    </message>
    <message>
        <source>PLACE</source>
        <translation>LUGAR</translation>
    </message>
    <message>
        <source>NAMES</source>
        <translation>NOMBRES</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>USER</source>
        <translation>USUARIO</translation>
    </message>
    <message>
        <source>LAST JOB</source>
        <translation>ÚLTIMO TRABAJO</translation>
    </message>
    <message>
        <source>OUTCOME</source>
        <translation>RESULTADO</translation>
    </message>
    <message>
        <source>ENDED</source>
        <translation>TERMINADO</translation>
    </message>
    <message>
        <source>HOW ENDED</source>
        <translation>CÓMO TERMINÓ</translation>
    </message>
    <message>
        <source>CONFIRMED</source>
        <translation>CONFIRMADO</translation>
    </message>
    <message>
        <source>HOLDS</source>
        <translation>CONTIENE</translation>
    </message>
    <message>
        <source>DIFFER</source>
        <translation>DISTINTOS</translation>
    </message>
    <message>
        <source>ALSO HOLDS</source>
        <translation>TAMBIÉN TIENE</translation>
    </message>
    <message>
        <source>WHY</source>
        <translation>MOTIVO</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>the disk took only part of the file</source>
        <translation>el disco solo aceptó parte del archivo</translation>
    </message>
</context>
<context>
    <name>SafetyQuestions</name>
    <message>
        <source>1 text is longer than the scale keeps; it will keep:</source>
        <translation>1 texto es más largo de lo que guarda la báscula; guardará:</translation>
    </message>
    <message numerus="yes">
        <source>%n texts are longer than the scale keeps; it will keep:</source>
        <translation>
            <numerusform>%n texto es más largo de lo que guarda la báscula; guardará:</numerusform>
            <numerusform>%n textos son más largos de lo que guarda la báscula; guardará:</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1, %2: &quot;%3&quot;</source>
        <extracomment>A text the scale cuts: its grid row (%1), its field&apos;s name (%2) and what is kept (%3)</extracomment>
        <translation>fila %1, %2: &quot;%3&quot;</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <extracomment>The texts cut that are not listed</extracomment>
        <translation>
            <numerusform>... y %n más</numerusform>
            <numerusform>... y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Send anyway?</source>
        <translation>¿Enviar igualmente?</translation>
    </message>
    <message>
        <source>The %1 grid has changes that are not saved.</source>
        <extracomment>%1: the table&apos;s name, PLU or INGRED</extracomment>
        <translation>La cuadrícula %1 tiene cambios sin guardar.</translation>
    </message>
    <message>
        <source>A download sends the saved table, not what the grid shows.</source>
        <translation>Un envío manda la tabla guardada, no lo que muestra la cuadrícula.</translation>
    </message>
    <message>
        <source>A compare holds the saved table against the scale&apos;s, not what the grid shows.</source>
        <translation>Una comparación compara la tabla guardada con la de la báscula, no lo que muestra la cuadrícula.</translation>
    </message>
    <message>
        <source>&amp;Save and download</source>
        <translation>&amp;Guardar y enviar</translation>
    </message>
    <message>
        <source>&amp;Save and compare</source>
        <translation>&amp;Guardar y comparar</translation>
    </message>
    <message>
        <source>Download the saved &amp;table</source>
        <translation>Enviar la &amp;tabla guardada</translation>
    </message>
    <message>
        <source>Compare the saved &amp;table</source>
        <translation>Comparar la &amp;tabla guardada</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Save them before the grid is replaced?</source>
        <translation>¿Guardarlos antes de reemplazar la cuadrícula?</translation>
    </message>
</context>
<context>
    <name>Scales</name>
    <message>
        <source>List every scale the store knows, with its last job.</source>
        <translation>Listar todas las básculas que conoce el almacén, con su último trabajo.</translation>
    </message>
    <message>
        <source>scales takes no --port: it lists every scale</source>
        <translation>scales no admite --port: lista todas las básculas</translation>
    </message>
    <message>
        <source>scales takes no %1</source>
        <translation>scales no admite %1</translation>
    </message>
    <message>
        <source>Say whether each scale holds FILE&apos;s table, by the store&apos;s word.</source>
        <translation>Indicar si cada báscula tiene la tabla de FILE, según el almacén.</translation>
    </message>
    <message>
        <source>the store knows no scale: name one with --port</source>
        <translation>el almacén no conoce ninguna báscula: indicar una con --port</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1: cannot be read: %2</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>%1: no se puede leer: %2</translation>
    </message>
    <message>
        <source>%1 line %2: not NAME = VALUE</source>
        <extracomment>%1 is the settings file, %2 the line&apos;s number</extracomment>
        <translation>%1 línea %2: no es NOMBRE = VALOR</translation>
    </message>
    <message>
        <source>%1 line %2: price decimals is 0 to %3, not %4</source>
        <extracomment>&quot;price decimals&quot; is the setting&apos;s name in the file</extracomment>
        <translation>%1 línea %2: price decimals es de 0 a %3, no %4</translation>
    </message>
    <message>
        <source>%1 line %2: &quot;%3&quot; is not a scale&apos;s name (letters, digits, -, _ and ., not COM1 or COM2)</source>
        <translation>%1 línea %2: &quot;%3&quot; no es un nombre de báscula (letras, dígitos, -, _ y ., no COM1 ni COM2)</translation>
    </message>
    <message>
        <source>%1 line %2: %3: %4</source>
        <extracomment>%3 is the scale&apos;s name, %4 why its port&apos;s name cannot be taken</extracomment>
        <translation>%1 línea %2: %3: %4</translation>
    </message>
</context>
<context>
    <name>SheetExchange</name>
    <message>
        <source>Excel File Ingred Data  </source>
        <translation>Archivo Excel: datos INGRED  </translation>
    </message>
    <message>
        <source> Data Format Changing ....  %1</source>
        <extracomment>%1 is the text in column A of the row being read</extracomment>
        <translation> Cambiando formato de datos ....  %1</translation>
    </message>
    <message>
        <source>PLU Number is %1</source>
        <translation>Número de PLU: %1</translation>
    </message>
    <message>
        <source>Excel File INGRED Data  </source>
        <translation>Archivo Excel: datos INGRED  </translation>
    </message>
    <message>
        <source>  Data Format Changing....  %1</source>
        <extracomment>%1 is the text in column A of the row being read</extracomment>
        <translation>  Cambiando formato de datos....  %1</translation>
    </message>
    <message>
        <source>Ingredient Number is %1</source>
        <translation>Número de ingrediente: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: cell A1 is empty, and the records end at the first row whose column A is empty.</source>
        <translation>No se importó nada: la celda A1 está vacía, y los registros acaban en la primera fila con la columna A vacía.</translation>
    </message>
    <message>
        <source>1 row past the %1th was left out: a table holds at most %1 records.</source>
        <translation>Se omitió 1 fila tras la %1.ª: una tabla tiene como máximo %1 registros.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows past the %1th were left out: a table holds at most %1 records.</source>
        <translation>
            <numerusform>Se omitió %n fila tras la %1.ª: una tabla tiene como máximo %1 registros.</numerusform>
            <numerusform>Se omitieron %n filas tras la %1.ª: una tabla tiene como máximo %1 registros.</numerusform>
        </translation>
    </message>
    <message>
        <source> Input File Name </source>
        <translation> Nombre del archivo de entrada </translation>
    </message>
    <message>
        <source> Open Excel File </source>
        <translation> Abrir archivo Excel </translation>
    </message>
    <message>
        <source> Initializing </source>
        <translation> Inicializando </translation>
    </message>
    <message>
        <source> Data is End </source>
        <translation> Fin de los datos </translation>
    </message>
    <message>
        <source> Excel File Save </source>
        <translation> Guardar archivo Excel </translation>
    </message>
    <message>
        <source> Data Changing ....  </source>
        <extracomment>followed by the record&apos;s number</extracomment>
        <translation> Cambiando datos ....  </translation>
    </message>
    <message>
        <source>ERROR! cannot save %1: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 why it cannot be saved</extracomment>
        <translation>ERROR! no se puede guardar %1: %2</translation>
    </message>
    <message>
        <source> Save End</source>
        <translation> Fin del guardado</translation>
    </message>
</context>
<context>
    <name>SheetParts</name>
    <message>
        <source>the formula has no stored result - open and save the file in a spreadsheet program</source>
        <translation>la fórmula no tiene resultado guardado - abrir y guardar el archivo en un programa de hojas de cálculo</translation>
    </message>
    <message>
        <source>a DTD is not allowed</source>
        <translation>no se admite una DTD</translation>
    </message>
    <message>
        <source>the text is longer than the %1 characters a cell holds</source>
        <translation>el texto supera los %1 caracteres que caben en una celda</translation>
    </message>
    <message>
        <source>the text holds the control character U+%1</source>
        <translation>el texto contiene el carácter de control U+%1</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>%1 is the row, %2 the column&apos;s letters, %3 why the cell cannot be written</extracomment>
        <translation>fila %1, columna %2: %3</translation>
    </message>
    <message>
        <source>ERROR! sheet row %1, column %2: </source>
        <extracomment>the start of an error text; what is wrong with the cell follows</extracomment>
        <translation>ERROR! fila %1 de la hoja, columna %2: </translation>
    </message>
    <message>
        <source>the cell holds an error value</source>
        <translation>la celda contiene un valor de error</translation>
    </message>
    <message>
        <source>the part %1 is missing</source>
        <translation>falta la parte %1</translation>
    </message>
    <message>
        <source>the part %1 expands to more than %2 MB</source>
        <translation>la parte %1 ocupa más de %2 MB al descomprimirla</translation>
    </message>
    <message>
        <source>the part %1, line %2: %3</source>
        <translation>la parte %1, línea %2: %3</translation>
    </message>
    <message>
        <source>the part %1 is damaged or cut short</source>
        <translation>la parte %1 está dañada o incompleta</translation>
    </message>
    <message>
        <source>the part %1 is not well-formed XML (line %2: %3)</source>
        <translation>la parte %1 no es XML bien formado (línea %2: %3)</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>the server keeps this store: back it up there (pg_dump %1)</source>
        <extracomment>%1: the store&apos;s database on its server</extracomment>
        <translation>el servidor guarda este almacén: hacer allí la copia de seguridad (pg_dump %1)</translation>
    </message>
    <message>
        <source>%1 exists; name a new file</source>
        <extracomment>%1: the file the backup copy was to be</extracomment>
        <translation>%1 ya existe; indicar un archivo nuevo</translation>
    </message>
</context>
<context>
    <name>StoreCommand</name>
    <message>
        <source>Copy the store of what the scales hold to a new file, consistently.</source>
        <translation>Copiar el almacén de lo que tienen las básculas a un archivo nuevo, de forma coherente.</translation>
    </message>
    <message>
        <source>store takes no --port</source>
        <translation>store no admite --port</translation>
    </message>
    <message>
        <source>store takes: backup FILE</source>
        <translation>store admite: backup FILE</translation>
    </message>
    <message>
        <source>ERROR! cannot copy the store to %1: %2</source>
        <translation>ERROR! no se puede copiar el almacén en %1: %2</translation>
    </message>
    <message>
        <source>The store is copied to %1</source>
        <translation>El almacén se ha copiado en %1</translation>
    </message>
</context>
<context>
    <name>StoreConnection</name>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (libqt6sql6-psql)</source>
        <translation>el controlador PostgreSQL de Qt no está instalado (libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed (libqt6sql6-sqlite)</source>
        <translation>el controlador SQLite de Qt no está instalado (libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>name it as postgresql://USER@HOST[:PORT]/DATABASE</source>
        <translation>indicarlo como postgresql://USER@HOST[:PORT]/DATABASE</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>it is not open</source>
        <translation>no está abierto</translation>
    </message>
    <message>
        <source>attempt to write a readonly database</source>
        <extracomment>As SQLite says it of a store that may only be read</extracomment>
        <translation>intento de escribir en una base de datos de solo lectura</translation>
    </message>
    <message>
        <source>database is locked</source>
        <extracomment>As SQLite says it of a store that another program is writing</extracomment>
        <translation>la base de datos está bloqueada</translation>
    </message>
</context>
<context>
    <name>StoreDoubt</name>
    <message>
        <source>the store did not answer in time</source>
        <translation>el almacén no respondió a tiempo</translation>
    </message>
    <message>
        <source>its note on this PC could not be written</source>
        <translation>no se pudo escribir su nota en este PC</translation>
    </message>
    <message>
        <source>its serial server refused a connection since its last job</source>
        <translation>su servidor serie rechazó una conexión desde su último trabajo</translation>
    </message>
    <message>
        <source>the port was lost since its last job</source>
        <translation>el puerto se perdió desde su último trabajo</translation>
    </message>
    <message>
        <source>the store could not keep a job</source>
        <translation>el almacén no pudo guardar un trabajo</translation>
    </message>
    <message>
        <source>its note of Tarnlink&apos;s jobs on this PC is missing</source>
        <translation>falta su nota de los trabajos de Tarnlink en este PC</translation>
    </message>
    <message>
        <source>its note of Tarnlink&apos;s jobs on this PC cannot be read</source>
        <translation>no se puede leer su nota de los trabajos de Tarnlink en este PC</translation>
    </message>
    <message>
        <source>a job on it was cut off (Tarnlink was killed or the PC lost power)</source>
        <translation>un trabajo se cortó (Tarnlink se cerró a la fuerza o el PC perdió la corriente)</translation>
    </message>
    <message>
        <source>another store sent it records since</source>
        <translation>otro almacén le envió registros desde entonces</translation>
    </message>
    <message>
        <source>the store could not keep its last job</source>
        <translation>el almacén no pudo guardar su último trabajo</translation>
    </message>
    <message>
        <source>the store does not hold its last job (put back from a copy?)</source>
        <translation>el almacén no tiene su último trabajo (¿restaurado de una copia?)</translation>
    </message>
</context>
<context>
    <name>StoreLayout</name>
    <message>
        <source>it cannot use write-ahead logging</source>
        <translation>no puede usar el registro por adelantado (WAL)</translation>
    </message>
    <message>
        <source>it was made by a newer Tarnlink (store version %1; this one, %2, reads up to %3) - upgrade this PC: the store needs Tarnlink that reads store version %1</source>
        <extracomment>%1: the store&apos;s version; %2: this Tarnlink&apos;s version; %3: the store version it reads up to</extracomment>
        <translation>lo creó un Tarnlink más nuevo (versión de almacén %1; este, %2, lee hasta la %3) - actualizar este PC: el almacén necesita un Tarnlink que lea la versión de almacén %1</translation>
    </message>
    <message>
        <source>it was made by a newer Tarnlink %1 (store version %2; this one, %3, reads up to %4) - upgrade this PC: the store needs Tarnlink %1 or later</source>
        <extracomment>%1: the Tarnlink version that made the store; %2: the store&apos;s version; %3: this Tarnlink&apos;s version; %4: the store version it reads up to</extracomment>
        <translation>lo creó Tarnlink %1, más nuevo (versión de almacén %2; este, %3, lee hasta la %4) - actualizar este PC: el almacén necesita Tarnlink %1 o posterior</translation>
    </message>
    <message>
        <source>it is read-only, and an older Tarnlink made it</source>
        <translation>es de solo lectura, y lo creó un Tarnlink más antiguo</translation>
    </message>
</context>
<context>
    <name>StoreProblems</name>
    <message>
        <source>another program is writing it; Tarnlink writes again at the next job</source>
        <translation>otro programa lo está escribiendo; Tarnlink escribirá de nuevo en el próximo trabajo</translation>
    </message>
    <message>
        <source>make it and its folder writable, or name another file in TARNLINK_STORE</source>
        <translation>permitir escribir en él y en su carpeta, o indicar otro archivo en TARNLINK_STORE</translation>
    </message>
    <message>
        <source>free some space on its disk</source>
        <translation>liberar espacio en su disco</translation>
    </message>
    <message>
        <source>check its disk: full, or gone?</source>
        <translation>revisar su disco: ¿lleno o desconectado?</translation>
    </message>
    <message>
        <source>move it aside: rename %1 to %1.broken, and Tarnlink starts a new store</source>
        <translation>apartarlo: renombrar %1 a %1.broken, y Tarnlink crea un almacén nuevo</translation>
    </message>
    <message>
        <source>it must be a file in a folder you may write; or name another file in TARNLINK_STORE</source>
        <translation>debe ser un archivo en una carpeta con permiso de escritura; o indicar otro archivo en TARNLINK_STORE</translation>
    </message>
    <message>
        <source>ERROR! cannot keep what the scales hold in %1: %2</source>
        <extracomment>%1: the store&apos;s file or server; %2: the database&apos;s own words on what went wrong</extracomment>
        <translation>ERROR! no se puede guardar lo que tienen las básculas en %1: %2</translation>
    </message>
    <message>
        <source>ERROR! cannot keep what the scales hold in %1: %2 - %3</source>
        <extracomment>%1: the store&apos;s file or server; %2: the database&apos;s own words; %3: what to do about it</extracomment>
        <translation>ERROR! no se puede guardar lo que tienen las básculas en %1: %2 - %3</translation>
    </message>
</context>
<context>
    <name>StoreWriter</name>
    <message>
        <source>it did not answer in time</source>
        <translation>no respondió a tiempo</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <source>the file ends before %1</source>
        <extracomment>%1 is a field&apos;s name</extracomment>
        <translation>el archivo termina antes de %1</translation>
    </message>
    <message>
        <source>%1 has no closing double quote</source>
        <translation>%1 no tiene comillas dobles de cierre</translation>
    </message>
    <message>
        <source>%1 contains a double quote</source>
        <translation>%1 contiene comillas dobles</translation>
    </message>
    <message>
        <source>%1 contains a line break</source>
        <translation>%1 contiene un salto de línea</translation>
    </message>
    <message>
        <source>%1 contains &quot;%2&quot;, which the file cannot hold</source>
        <translation>%1 contiene &quot;%2&quot;, que el archivo no puede guardar</translation>
    </message>
    <message>
        <source>%1 is a whole number (cents): type %2</source>
        <translation>%1 es un número entero (céntimos): escribir %2</translation>
    </message>
    <message>
        <source>ERROR! cannot open %1 (%2)</source>
        <translation>ERROR! no se puede abrir %1 (%2)</translation>
    </message>
    <message>
        <source>ERROR! %1 is too large for a table file</source>
        <translation>ERROR! %1 es demasiado grande para un archivo de tabla</translation>
    </message>
    <message>
        <source>ERROR! cannot read %1 (%2)</source>
        <translation>ERROR! no se puede leer %1 (%2)</translation>
    </message>
    <message>
        <source>ERROR! cannot save %1 (%2)</source>
        <translation>ERROR! no se puede guardar %1 (%2)</translation>
    </message>
    <message>
        <source>INGRED Count is %1</source>
        <translation>Cantidad de INGRED: %1</translation>
    </message>
    <message>
        <source>ERROR! line %1: %2</source>
        <translation>ERROR! línea %1: %2</translation>
    </message>
    <message>
        <source>ERROR! row %1: %2</source>
        <translation>ERROR! fila %1: %2</translation>
    </message>
    <message>
        <source>more than %1 records</source>
        <translation>más de %1 registros</translation>
    </message>
    <message>
        <source>the table cannot be written</source>
        <translation>no se puede escribir la tabla</translation>
    </message>
</context>
<context>
    <name>Transfers</name>
    <message>
        <source>ERROR! select plu files</source>
        <translation>ERROR! seleccionar archivos plu</translation>
    </message>
    <message>
        <source>PLU Range is not valid</source>
        <translation>El rango de PLU no es válido</translation>
    </message>
    <message>
        <source>plu#%1 is transfered</source>
        <translation>plu#%1 enviado</translation>
    </message>
    <message>
        <source>plu#%1 is received</source>
        <translation>plu#%1 recibido</translation>
    </message>
    <message>
        <source>ERROR! PLU row %1: %2</source>
        <translation>ERROR! fila PLU %1: %2</translation>
    </message>
    <message>
        <source>ERROR! PLU number must be 1 to 200</source>
        <translation>ERROR! el número de PLU debe ser de 1 a 200</translation>
    </message>
    <message>
        <source>PLU is not exist</source>
        <translation>El PLU no existe</translation>
    </message>
    <message>
        <source>ERROR! select ingred files</source>
        <translation>ERROR! seleccionar archivos ingred</translation>
    </message>
    <message>
        <source>INGRED Range is not valid</source>
        <translation>El rango de INGRED no es válido</translation>
    </message>
    <message>
        <source>Message#%1 is transfered</source>
        <translation>Mensaje#%1 enviado</translation>
    </message>
    <message>
        <source>INGRED#%1 is received</source>
        <translation>INGRED#%1 recibido</translation>
    </message>
    <message>
        <source>ERROR! INGRED row %1: %2</source>
        <translation>ERROR! fila INGRED %1: %2</translation>
    </message>
    <message>
        <source>ERROR! INGRED number must be 1 to 200</source>
        <translation>ERROR! el número de INGRED debe ser de 1 a 200</translation>
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
        <translation>Mensaje#%1</translation>
    </message>
</context>
<context>
    <name>Upload</name>
    <message>
        <source>Read records from the scale and save the table to FILE.</source>
        <translation>Leer registros de la báscula y guardar la tabla en FILE.</translation>
    </message>
    <message>
        <source>upload takes one of --one and --all</source>
        <translation>upload admite una de --one y --all</translation>
    </message>
    <message>
        <source>upload reads from one port</source>
        <translation>upload lee de un solo puerto</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>no folder %1</source>
        <translation>no existe la carpeta %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to</source>
        <translation>no se puede escribir en la carpeta %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 not written: the upload did not end normally</source>
        <translation>%1 no escrito: la lectura no terminó con normalidad</translation>
    </message>
</context>
<context>
    <name>WindowOptions</name>
    <message>
        <source>Keeps the PLU and ingredient tables of a label-printing retail scale.</source>
        <translation>Gestiona las tablas de PLU e ingredientes de una báscula etiquetadora.</translation>
    </message>
    <message>
        <source>Choose this port on the &quot;Port&quot; tab: COM1, COM2, a device path, tcp:HOST:PORT or a scale&apos;s name from the settings file (&quot;Other&quot;), for this run: it is not remembered. It opens when &quot;Open&quot; is pressed.</source>
        <translation>Elegir este puerto en la pestaña &quot;Puerto&quot;: COM1, COM2, una ruta de dispositivo, tcp:HOST:PORT o el nombre de una báscula del archivo de configuración (&quot;Otro&quot;), solo para esta ejecución: no se recuerda. Se abre al pulsar &quot;Abrir&quot;.</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>The value of --port in the help, as in --port &lt;name&gt;</extracomment>
        <translation>nombre</translation>
    </message>
</context>
<context>
    <name>WorkbookReader</name>
    <message>
        <source>not a workbook it can read</source>
        <translation>no es un libro que pueda leer</translation>
    </message>
    <message>
        <source>the workbook is protected by a password</source>
        <translation>el libro está protegido con contraseña</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>no se puede abrir %1</translation>
    </message>
</context>
<context>
    <name>WorkbookWriter</name>
    <message>
        <source>sheet name must have 1 to 31 characters</source>
        <translation>el nombre de la hoja debe tener de 1 a 31 caracteres</translation>
    </message>
    <message>
        <source>too many rows or columns for a workbook</source>
        <translation>demasiadas filas o columnas para un libro</translation>
    </message>
    <message>
        <source>active cell outside the sheet</source>
        <translation>celda activa fuera de la hoja</translation>
    </message>
    <message>
        <source>cannot build the workbook</source>
        <translation>no se puede crear el libro</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>PLU Count is %1</source>
        <translation>Cantidad de PLU: %1</translation>
    </message>
    <message>
        <source>Message Count is %1</source>
        <translation>Cantidad de mensajes: %1</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>not an .xlsx workbook</source>
        <translation>no es un libro .xlsx</translation>
    </message>
    <message>
        <source>the workbook is in the 2006 pre-release .xlsx format, which is not a format it reads</source>
        <translation>el libro está en el formato .xlsx previo de 2006, que no puede leer</translation>
    </message>
    <message>
        <source>the workbook holds no worksheet</source>
        <translation>el libro no contiene ninguna hoja</translation>
    </message>
    <message>
        <source>the worksheet holds a cell it cannot place (%1)</source>
        <translation>la hoja contiene una celda que no puede situar (%1)</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>a row of a worksheet, as the worksheet numbers it</extracomment>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>cell %1 names no shared text</source>
        <translation>la celda %1 no indica ningún texto compartido</translation>
    </message>
    <message>
        <source>cell %1 names shared text %2, but there are only %3</source>
        <translation>la celda %1 indica el texto compartido %2, pero solo hay %3</translation>
    </message>
</context>
<context>
    <name>XlsxWriter</name>
    <message>
        <source>no room for a scratch file: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>no hay espacio para un archivo temporal: %1</translation>
    </message>
    <message>
        <source>cannot start the workbook</source>
        <translation>no se puede iniciar el libro</translation>
    </message>
</context>
<context>
    <name>tarn::AboutDialog</name>
    <message>
        <source>Tarnlink downloads and uploads PLU and ingredient data for price-computing, label-printing retail scales.
Version %1
Contact: your scale dealer or the Tarnlink developers, tarnlink@example.org</source>
        <extracomment>%1: the program&apos;s version</extracomment>
        <translation>Tarnlink envía y lee datos de PLU e ingredientes de básculas etiquetadoras que calculan precios.
Versión %1
Contacto: el distribuidor de la báscula o los desarrolladores de Tarnlink, tarnlink@example.org</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>tarn::CompareDialog</name>
    <message>
        <source>No</source>
        <extracomment>column: the record&apos;s number</extracomment>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Field</source>
        <extracomment>column: the table&apos;s field that differs</extracomment>
        <translation>Campo</translation>
    </message>
    <message>
        <source>PC</source>
        <extracomment>column: what the PC&apos;s table holds</extracomment>
        <translation>PC</translation>
    </message>
    <message>
        <source>Scale</source>
        <extracomment>column: what the scale holds</extracomment>
        <translation>Báscula</translation>
    </message>
    <message>
        <source>The scale holds this table</source>
        <translation>La báscula contiene esta tabla</translation>
    </message>
    <message numerus="yes">
        <source>The scale holds %n record(s) differently</source>
        <translation>
            <numerusform>La báscula tiene %n registro distinto</numerusform>
            <numerusform>La báscula tiene %n registros distintos</numerusform>
        </translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>a side that holds no such record</extracomment>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>(this record)</source>
        <extracomment>a side that holds the whole record, the other none</extracomment>
        <translation>(este registro)</translation>
    </message>
</context>
<context>
    <name>tarn::FindBar</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>Finds the next cell that holds the text</extracomment>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Closes the find bar</extracomment>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
</context>
<context>
    <name>tarn::GridActions</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Followed by the step&apos;s name: &quot;Undo Paste&quot;</extracomment>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Followed by the step&apos;s name: &quot;Redo Paste&quot;</extracomment>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <extracomment>Empties the selected cells</extracomment>
        <translation>&amp;Vaciar</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Paste</source>
        <extracomment>The undo step of a paste, shown as &quot;Undo Paste&quot;</extracomment>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>The undo step of emptying the selected cells, shown as &quot;Undo Clear&quot;</extracomment>
        <translation>Vaciar</translation>
    </message>
</context>
<context>
    <name>tarn::GridModel</name>
    <message>
        <source>Longer than the scale keeps; it keeps &quot;%1&quot;</source>
        <extracomment>A cell&apos;s tool tip: %1 is what the scale keeps of its text</extracomment>
        <translation>Más largo de lo que guarda la báscula; guarda &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>tarn::GridUndo</name>
    <message>
        <source>Typing</source>
        <extracomment>The undo step of a typed cell, shown as &quot;Undo Typing&quot;</extracomment>
        <translation>Escritura</translation>
    </message>
</context>
<context>
    <name>tarn::HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Started</source>
        <extracomment>column: when the transfer started</extracomment>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Ended</source>
        <extracomment>column: when the transfer ended</extracomment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Outcome</source>
        <extracomment>column: ok, failed, ... as the store keeps it</extracomment>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>column: the port&apos;s name</extracomment>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Scale</source>
        <extracomment>column: the scale&apos;s identity</extracomment>
        <translation>Báscula</translation>
    </message>
    <message>
        <source>Table</source>
        <extracomment>column: PLU or INGRED</extracomment>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>column: download, upload or compare</extracomment>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>What</source>
        <extracomment>column: which records (ALL, 1-5, Changed)</extracomment>
        <translation>Qué</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>column: the number of records</extracomment>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Differ</source>
        <extracomment>column: the number of records that differed</extracomment>
        <translation>Distintos</translation>
    </message>
    <message>
        <source>How it ended</source>
        <extracomment>column: the status text the transfer ended with</extracomment>
        <translation>Cómo terminó</translation>
    </message>
    <message>
        <source>(never ended)</source>
        <translation>(no terminó)</translation>
    </message>
</context>
<context>
    <name>tarn::LabelActions</name>
    <message>
        <source>Print &amp;labels...</source>
        <translation>Imprimir &amp;etiquetas...</translation>
    </message>
    <message>
        <source>Print p&amp;rice list...</source>
        <translation>Imprimir lista de p&amp;recios...</translation>
    </message>
    <message numerus="yes">
        <source>Print labels for the %n records just sent</source>
        <translation>
            <numerusform>Imprimir etiquetas del %n registro recién enviado</numerusform>
            <numerusform>Imprimir etiquetas de los %n registros recién enviados</numerusform>
        </translation>
    </message>
    <message>
        <source>Print labels</source>
        <translation>Imprimir etiquetas</translation>
    </message>
    <message numerus="yes">
        <source>&amp;All %n records</source>
        <translation>
            <numerusform>&amp;Todos (%n registro)</numerusform>
            <numerusform>&amp;Todos (%n registros)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;One</source>
        <extracomment>a label for one record, its slot chosen beside</extracomment>
        <translation>&amp;Uno</translation>
    </message>
    <message>
        <source>&amp;Range</source>
        <extracomment>the labels of the slots from ... to ...</extracomment>
        <translation>&amp;Rango</translation>
    </message>
    <message>
        <source>&amp;Changed since last printed</source>
        <translation>&amp;Cambiados desde la última impresión</translation>
    </message>
    <message numerus="yes">
        <source>The %n records just &amp;sent</source>
        <translation>
            <numerusform>El %n registro recién &amp;enviado</numerusform>
            <numerusform>Los %n registros recién &amp;enviados</numerusform>
        </translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>between the first and the last slot of a range</extracomment>
        <translation>a</translation>
    </message>
    <message>
        <source>Sheet</source>
        <extracomment>the kind of label sheet (its layout) printed on</extracomment>
        <translation>Hoja</translation>
    </message>
    <message>
        <source>Labels already used on the first sheet</source>
        <translation>Etiquetas ya usadas en la primera hoja</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>Ca&amp;ncelar</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>&amp;Vista previa...</translation>
    </message>
    <message>
        <source>P&amp;DF...</source>
        <extracomment>writes the labels to a PDF file</extracomment>
        <translation>P&amp;DF...</translation>
    </message>
    <message>
        <source>No labels to print</source>
        <translation>No hay etiquetas que imprimir</translation>
    </message>
    <message numerus="yes">
        <source>Labels: %n written to %1</source>
        <translation>
            <numerusform>Etiquetas: %n escrita en %1</numerusform>
            <numerusform>Etiquetas: %n escritas en %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarn::MainWindow</name>
    <message>
        <source>Por&amp;t</source>
        <translation>Puer&amp;to</translation>
    </message>
    <message>
        <source>Displa&amp;y</source>
        <translation>&amp;Visor</translation>
    </message>
    <message>
        <source> Error ! PLU No is over </source>
        <extracomment>A status line text: Enter or a paste would go past the table&apos;s last row. Keep the spaces at both ends and the start &quot;Error !&quot;.</extracomment>
        <translation> Error ! PLU No fuera de rango </translation>
    </message>
    <message>
        <source> Error ! Message No is over </source>
        <extracomment>The same for the INGRED table, whose records are messages.</extracomment>
        <translation> Error ! Message No fuera de rango </translation>
    </message>
    <message>
        <source>P&amp;LU</source>
        <extracomment>The tab of the PLU table&apos;s grid</extracomment>
        <translation>P&amp;LU</translation>
    </message>
    <message>
        <source>D&amp;ownload</source>
        <translation>&amp;Envío</translation>
    </message>
    <message>
        <source>Uplo&amp;ad</source>
        <translation>Lect&amp;ura</translation>
    </message>
    <message>
        <source>IN&amp;GRED</source>
        <extracomment>The tab of the INGRED table&apos;s grid</extracomment>
        <translation>IN&amp;GRED</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>exported to %1; no %2 file holds it</source>
        <extracomment>Why Exit asks about a table with nothing unsaved: its grid went to a workbook (%1) and no file of the table&apos;s own (%2: PLU or INGRED) holds it.</extracomment>
        <translation>exportado a %1; ningún archivo %2 lo contiene</translation>
    </message>
    <message>
        <source>exported to %1; %2 is older</source>
        <extracomment>The same when the table&apos;s own file (%2) is older than the workbook (%1).</extracomment>
        <translation>exportado a %1; %2 es más antiguo</translation>
    </message>
    <message>
        <source>&amp;PLU</source>
        <extracomment>The PLU table&apos;s menu</extracomment>
        <translation>&amp;PLU</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <extracomment>Menu entry: empties the table</extracomment>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <extracomment>The menu of the files to open the table from</extracomment>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;PLU File( *.PLU)</source>
        <translation>Archivo &amp;PLU( *.PLU)</translation>
    </message>
    <message>
        <source>&amp;Excel File( *.XLS)</source>
        <translation>Archivo &amp;Excel( *.XLS)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>The menu of the files to save the table into</extracomment>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;PLU File ( *.PLU)</source>
        <translation>Archivo &amp;PLU ( *.PLU)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;INGRED</source>
        <extracomment>The INGRED table&apos;s menu</extracomment>
        <translation>&amp;INGRED</translation>
    </message>
    <message>
        <source>&amp;INGRED File( *.INGRED)</source>
        <translation>Archivo &amp;INGRED( *.INGRED)</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>Port No</source>
        <translation>N.º puerto</translation>
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
        <translation>Ot&amp;ro</translation>
    </message>
    <message>
        <source>Op&amp;en</source>
        <extracomment>Opens the port</extracomment>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Closes the port</extracomment>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historial</translation>
    </message>
    <message>
        <source>Known scales</source>
        <translation>Básculas conocidas</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Báscula</translation>
    </message>
    <message>
        <source>Names</source>
        <extracomment>The port names the scale was used under</extracomment>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>PC</source>
        <extracomment>The computer that ran the scale&apos;s last job</extracomment>
        <translation>PC</translation>
    </message>
    <message>
        <source>Last job</source>
        <translation>Último trabajo</translation>
    </message>
    <message>
        <source>Ended</source>
        <extracomment>When the last job ended</extracomment>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>How it ended</source>
        <translation>Cómo terminó</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <extracomment>When the scale last confirmed what the store says it holds</extracomment>
        <translation>Confirmado</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Unit</source>
        <extracomment>The unit price the scale shows</extracomment>
        <translation>P. unitario</translation>
    </message>
    <message>
        <source>Price</source>
        <extracomment>The total price the scale shows</extracomment>
        <translation>Precio</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <extracomment>Reads the scale&apos;s display again</extracomment>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>To</source>
        <extracomment>Between the first and the last number of a range</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>PLU Download Option</source>
        <translation>Opción de envío PLU</translation>
    </message>
    <message>
        <source>On&amp;e PLU</source>
        <extracomment>An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>Un PLU</translation>
    </message>
    <message>
        <source>&amp;Multiple PLU</source>
        <extracomment>An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>Vario&amp;s PLU</translation>
    </message>
    <message>
        <source>ALL PLU</source>
        <translation>TODOS los PLU</translation>
    </message>
    <message>
        <source>&amp;Changed</source>
        <extracomment>Sends the records the scale does not hold as they stand. An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>&amp;Cambiados</translation>
    </message>
    <message>
        <source>INGRED Download Option</source>
        <translation>Opción de envío INGRED</translation>
    </message>
    <message>
        <source>O&amp;ne INGRED</source>
        <extracomment>An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>U&amp;n INGRED</translation>
    </message>
    <message>
        <source>M&amp;ultiple INGRED</source>
        <extracomment>An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>Varios INGRED</translation>
    </message>
    <message>
        <source>ALL ING&amp;RED</source>
        <extracomment>An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>TODOS los INGRED</translation>
    </message>
    <message>
        <source>C&amp;hanged</source>
        <extracomment>Sends the records the scale does not hold as they stand. An option the arrow keys reach: it may go without a shortcut letter</extracomment>
        <translation>C&amp;ambiados</translation>
    </message>
    <message>
        <source> PLU &amp;Download</source>
        <translation> Enví&amp;o PLU</translation>
    </message>
    <message>
        <source>INGRED Do&amp;wnload</source>
        <translation>Envío ING&amp;RED</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>Veri&amp;ficar</translation>
    </message>
    <message>
        <source>After the download, read the table back and list any record the scale holds differently</source>
        <translation>Tras el envío, volver a leer la tabla y listar los registros que la báscula tenga distintos</translation>
    </message>
    <message>
        <source>PLU Upload Option</source>
        <translation>Opción de lectura PLU</translation>
    </message>
    <message>
        <source>All PLU</source>
        <translation>Todos los PLU</translation>
    </message>
    <message>
        <source>INGRED Upload Option</source>
        <translation>Opción de lectura INGRED</translation>
    </message>
    <message>
        <source>All INGRED</source>
        <translation>Todos los INGRED</translation>
    </message>
    <message>
        <source>PLU &amp;Upload</source>
        <translation>Le&amp;ctura PLU</translation>
    </message>
    <message>
        <source>INGRED Uploa&amp;d</source>
        <translation>Lectur&amp;a INGRED</translation>
    </message>
    <message>
        <source>PLU Co&amp;mpare</source>
        <translation>Co&amp;mparar PLU</translation>
    </message>
    <message>
        <source>INGRED Compa&amp;re</source>
        <translation>Compa&amp;rar INGRED</translation>
    </message>
</context>
<context>
    <name>tarn::MemoryActions</name>
    <message>
        <source>%1 to send</source>
        <extracomment>beside Changed: the number of records a Changed download would send, or ?</extracomment>
        <translation>%1 por enviar</translation>
    </message>
    <message>
        <source>%1 to send once saved</source>
        <extracomment>beside Changed: the number of records a Changed download would send once the grid is saved, or ?</extracomment>
        <translation>%1 por enviar al guardar</translation>
    </message>
    <message>
        <source>? to send: its table is read first</source>
        <extracomment>beside Changed: the download reads the scale&apos;s table before it sends</extracomment>
        <translation>? por enviar: antes se lee su tabla</translation>
    </message>
    <message>
        <source>? to send once saved: its table is read first</source>
        <extracomment>beside Changed, for a grid not yet saved: the download reads the scale&apos;s table before it sends</extracomment>
        <translation>? por enviar al guardar: antes se lee su tabla</translation>
    </message>
    <message>
        <source>The store cannot vouch for this scale: %1</source>
        <translation>El almacén no puede responder por esta báscula: %1</translation>
    </message>
    <message>
        <source>running, or cut off</source>
        <translation>en curso, o interrumpido</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>a scale (%1) and where it stands (%2)</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1 Compare</source>
        <extracomment>the title of the list of differences a Compare found: &quot;PLU Compare&quot;, &quot;INGRED Compare&quot;</extracomment>
        <translation>Comparar %1</translation>
    </message>
    <message>
        <source>%1 Verify</source>
        <extracomment>the title of the list of differences a download&apos;s Verify found: &quot;PLU Verify&quot;</extracomment>
        <translation>Verificar %1</translation>
    </message>
</context>
<context>
    <name>tarn::PortActions</name>
    <message>
        <source>open port1</source>
        <translation>puerto1 abierto</translation>
    </message>
    <message>
        <source>open port2</source>
        <translation>puerto2 abierto</translation>
    </message>
    <message>
        <source>open port%1</source>
        <extracomment>The port (%1, a device or a scale&apos;s name) is open; no space before it</extracomment>
        <translation>puerto%1 abierto</translation>
    </message>
    <message>
        <source>Port is already opened</source>
        <translation>El puerto ya está abierto</translation>
    </message>
    <message>
        <source>Other</source>
        <extracomment>The &quot;Other&quot; port&apos;s option, named when its box is empty</extracomment>
        <translation>Otro</translation>
    </message>
    <message>
        <source>Port is not opened</source>
        <translation>El puerto no está abierto</translation>
    </message>
    <message>
        <source>close port</source>
        <translation>puerto cerrado</translation>
    </message>
</context>
<context>
    <name>tarn::PriceListActions</name>
    <message>
        <source>Price &amp;list...</source>
        <translation>&amp;Lista de precios...</translation>
    </message>
    <message>
        <source>Price list</source>
        <extracomment>the step Undo takes back (&quot;Undo Price list&quot;)</extracomment>
        <translation>Lista de precios</translation>
    </message>
</context>
<context>
    <name>tarn::PriceListDialog</name>
    <message>
        <source>Price list</source>
        <translation>Lista de precios</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>(not used)</source>
        <extracomment>a field that no column of the list fills</extracomment>
        <translation>(sin usar)</translation>
    </message>
    <message>
        <source>%1 (key)</source>
        <extracomment>%1: the key field&apos;s name, as the files name it (&quot;PLU No&quot;)</extracomment>
        <translation>%1 (clave)</translation>
    </message>
    <message>
        <source>Price decimals</source>
        <translation>Decimales del precio</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>column: the grid&apos;s row and the record&apos;s key</extracomment>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Field</source>
        <extracomment>column: the field that changes</extracomment>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Old</source>
        <extracomment>column: the field&apos;s text before</extracomment>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>column: the field&apos;s text after</extracomment>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Choose the list&apos;s column for %1: it is the key.</source>
        <translation>Elegir la columna de la lista para %1: es la clave.</translation>
    </message>
    <message>
        <source>row %1: %2 %3</source>
        <extracomment>a record: its grid row (%1), its key field&apos;s name (%2) and value (%3)</extracomment>
        <translation>fila %1: %2 %3</translation>
    </message>
    <message>
        <source>row %1: %2 %3 (new)</source>
        <extracomment>a record the list adds: its grid row (%1), its key field&apos;s name (%2) and value (%3)</extracomment>
        <translation>fila %1: %2 %3 (nuevo)</translation>
    </message>
</context>
<context>
    <name>tarn::ScaleLink</name>
    <message>
        <source>ERROR! cannot open %1: %2</source>
        <extracomment>%1 is the port, %2 why it cannot be opened</extracomment>
        <translation>ERROR! no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>in use by another program (process %1)</source>
        <translation>en uso por otro programa (proceso %1)</translation>
    </message>
    <message>
        <source>ERROR! lost port %1: %2</source>
        <extracomment>%1 is the port, %2 why it was lost</extracomment>
        <translation>ERROR! se perdió el puerto %1: %2</translation>
    </message>
    <message>
        <source>ERROR! port is not open</source>
        <translation>ERROR! el puerto no está abierto</translation>
    </message>
</context>
<context>
    <name>tarn::SerialPort</name>
    <message>
        <source>the line cannot be written any more</source>
        <translation>ya no se puede escribir en la línea</translation>
    </message>
    <message>
        <source>the line cannot be read any more</source>
        <translation>ya no se puede leer la línea</translation>
    </message>
    <message>
        <source>%1 - join the dialout group (sudo adduser $USER dialout), then log in again</source>
        <extracomment>%1 is the system&apos;s reason; &quot;dialout&quot; and the command stay as they are</extracomment>
        <translation>%1 - unirse al grupo dialout (sudo adduser $USER dialout) y volver a iniciar sesión</translation>
    </message>
    <message>
        <source>a stale lock file %1 blocks it - remove it</source>
        <translation>un archivo de bloqueo obsoleto %1 lo bloquea - eliminarlo</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>no es un puerto serie</translation>
    </message>
</context>
<context>
    <name>tarn::TcpPort</name>
    <message>
        <source>cannot look the name up: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>no se puede resolver el nombre: %1</translation>
    </message>
    <message>
        <source>no connection within %1 s</source>
        <translation>sin conexión en %1 s</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Host no encontrado</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>el servidor cerró la conexión</translation>
    </message>
    <message>
        <source>not a network serial server&apos;s name (tcp:HOST:PORT)</source>
        <translation>no es el nombre de un servidor serie de red (tcp:HOST:PORT)</translation>
    </message>
    <message>
        <source>the connect was stopped</source>
        <translation>se detuvo la conexión</translation>
    </message>
    <message>
        <source>the connection was not made</source>
        <translation>no se estableció la conexión</translation>
    </message>
    <message>
        <source>the connection cannot be written any more</source>
        <translation>ya no se puede escribir en la conexión</translation>
    </message>
</context>
<context>
    <name>tarn::TransferActions</name>
    <message>
        <source>The scale stopped answering after %1 of %2 records. Check that it is on and cabled, then send Changed: it sends the rest.</source>
        <extracomment>&quot;Changed&quot; is the download&apos;s option of that name</extracomment>
        <translation>La báscula dejó de responder tras %1 de %2 registros. Comprobar que está encendida y conectada, y enviar Cambiados: envía el resto.</translation>
    </message>
    <message>
        <source>The scale stopped answering after %1 of %2 records. Check that it is on and cabled, then upload again.</source>
        <translation>La báscula dejó de responder tras %1 de %2 registros. Comprobar que está encendida y conectada, y volver a leer.</translation>
    </message>
    <message>
        <source>The scale stopped answering after %1 of %2 records. Check that it is on and cabled, then compare again.</source>
        <translation>La báscula dejó de responder tras %1 de %2 registros. Comprobar que está encendida y conectada, y volver a comparar.</translation>
    </message>
    <message>
        <source>The port was lost after %1 of %2 records (adapter pulled out?). Open it again, then send Changed.</source>
        <extracomment>&quot;Changed&quot; is the download&apos;s option of that name</extracomment>
        <translation>El puerto se perdió tras %1 de %2 registros (¿adaptador desconectado?). Abrirlo de nuevo y enviar Cambiados.</translation>
    </message>
    <message>
        <source>The port was lost after %1 of %2 records (adapter pulled out?). Open it again, then upload again.</source>
        <translation>El puerto se perdió tras %1 de %2 registros (¿adaptador desconectado?). Abrirlo de nuevo y volver a leer.</translation>
    </message>
    <message>
        <source>The port was lost after %1 of %2 records (adapter pulled out?). Open it again, then compare again.</source>
        <translation>El puerto se perdió tras %1 de %2 registros (¿adaptador desconectado?). Abrirlo de nuevo y volver a comparar.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>A download is running (%1 of %2 sent). Stop it and exit?</source>
        <extracomment>Exit&apos;s question while a download runs; %1 of %2 records sent so far</extracomment>
        <translation>Hay un envío en curso (%1 de %2 enviados). ¿Detenerlo y salir?</translation>
    </message>
    <message>
        <source>A download is running. Stop it and exit?</source>
        <translation>Hay un envío en curso. ¿Detenerlo y salir?</translation>
    </message>
    <message>
        <source>An upload is running (%1 of %2 received). Stop it and exit?</source>
        <extracomment>Exit&apos;s question while an upload runs; %1 of %2 records received so far</extracomment>
        <translation>Hay una lectura en curso (%1 de %2 recibidos). ¿Detenerla y salir?</translation>
    </message>
    <message>
        <source>An upload is running. Stop it and exit?</source>
        <translation>Hay una lectura en curso. ¿Detenerla y salir?</translation>
    </message>
    <message>
        <source>A compare is running (%1 of %2 read). Stop it and exit?</source>
        <extracomment>Exit&apos;s question while a compare runs; %1 of %2 records read so far</extracomment>
        <translation>Hay una comparación en curso (%1 de %2 leídos). ¿Detenerla y salir?</translation>
    </message>
    <message>
        <source>A compare is running. Stop it and exit?</source>
        <translation>Hay una comparación en curso. ¿Detenerla y salir?</translation>
    </message>
    <message>
        <source>A read of the scale&apos;s display is running. Stop it and exit?</source>
        <translation>Hay una lectura del visor en curso. ¿Detenerla y salir?</translation>
    </message>
</context>
</TS>
