#pragma once

#include "Records.h"
#include "Workspace.h"

#include <QString>

#include <functional>
#include <optional>

namespace tarn {

class ScaleLink;

// The five exchanges with the scale as the operator starts them: the two downloads, the two
// uploads and the display read. They run on the calling thread; every wait lets events run
// (window events in the program) and returns at once when the link is stopped.
//
// Every text goes to the workspace's status line (Workspace::status), in the order the operator
// sees it; the result tells the caller how the transfer ended. The window enables its tab
// control again on every outcome; the command line turns the outcome into its exit status.

// Which records of the table a download sends: the number boxes' texts as typed, since
// checking them is part of the transfer ("PLU Range is not valid" and its twin).
enum class DownloadExtent {
    One,   // slot `one`
    Range, // slots `start` to `end` (a start above the end is valid and sends nothing)
    All,   // slots 1 to the table's count
};
struct DownloadOptions {
    DownloadExtent extent = DownloadExtent::All;
    QString one = QStringLiteral("1");
    QString start = QStringLiteral("1");
    QString end = QStringLiteral("2");
};

// Which numbers an upload asks the scale for: one number (its box's text as typed, 1 to 200),
// or 1 to 200 until the scale says it holds no more.
enum class UploadExtent { One, All };
struct UploadOptions {
    UploadExtent extent = UploadExtent::All;
    QString number = QStringLiteral("1");
};

enum class TransferOutcome {
    Finished,          // every record of the extent went through (a download shows " THE END ")
    EndOfData,         // upload: the scale holds no more ("PLU is not exist" / "END")
    Refused,           // nothing was sent: no file, a number box, a record that cannot be sent
    Abandoned,         // counted failures went past the transfer's limit
    RestartsExhausted, // the scale kept answering so that the record restarted without end
    PortLost,          // the port was lost on the way, or a reset could not reopen it
    Stopped,           // the link was stopped (Exit, Ctrl-C)
};

struct TransferResult {
    TransferOutcome outcome = TransferOutcome::Finished;
    int records = 0; // records acknowledged by the scale (downloads) or stored (uploads)
    QString message; // the last status text the transfer showed
};

// Progress of a table transfer: records done of the extent's total. Called with 0 before the
// first record and after each record; never for a refused transfer.
using TransferProgress = std::function<void(int done, int total)>;

// Send records of the table to the scale. Refused (nothing sent) when the workspace has no
// file ("ERROR! select plu files"), when the extent is not valid ("PLU Range is not valid":
// a box that is not a whole number from 1 on, or beyond the count), or when a record of the
// extent cannot go on the line ("ERROR! plu#3: Tare is negative").
TransferResult downloadPlu(Workspace& ws, ScaleLink& link, const DownloadOptions& options,
                           const TransferProgress& progress = {});
TransferResult downloadIngred(Workspace& ws, ScaleLink& link, const DownloadOptions& options,
                              const TransferProgress& progress = {});

// Read records from the scale into the table. The table, its grid and count are cleared and
// the file source set to "?" first; the records received are shown in the grid at the end,
// whatever the outcome. Refused when the number box is not a number from 1 to 200.
TransferResult uploadPlu(Workspace& ws, ScaleLink& link, const UploadOptions& options,
                         const TransferProgress& progress = {});
TransferResult uploadIngred(Workspace& ws, ScaleLink& link, const UploadOptions& options,
                            const TransferProgress& progress = {});

// The same, for either table by its record type (PluRecord or IngredRecord).
template <class R>
TransferResult download(Workspace& ws, ScaleLink& link, const DownloadOptions& options,
                        const TransferProgress& progress = {});
template <class R>
TransferResult upload(Workspace& ws, ScaleLink& link, const UploadOptions& options,
                      const TransferProgress& progress = {});

// The display read: the texts of the three read-outs (weight, unit price, total price), each
// a 32-bit value as a signed decimal number; all "0" when the record did not come in time.
// nullopt when the scale did not answer the sync byte: the read-outs keep their texts.
// Writes nothing to the status line.
struct DisplayTexts {
    QString weight;
    QString unitPrice;
    QString totalPrice;
    bool recordCame = true; // false: the zeros stand for a record that never came
    bool operator==(const DisplayTexts&) const = default;
};
std::optional<DisplayTexts> updateDisplay(ScaleLink& link);

} // namespace tarn
