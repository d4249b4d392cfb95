#pragma once
// The rules of one auto-attendant page row, apart from any form: which
// operations a row of a page may hold, how a row's destination is drawn from
// its stored entry, and how a typed destination is stored back.

#include "document/PageOps.h"
#include "document/Records.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kiv::autoatt {

// True when operation `op` may stand on key row `row` (0-9, or kTimeoutKey
// for the time-out row) of the page at `pageIndex`.
bool IsPageOpOffered(int op, int row, int pageIndex);
// The operations a row offers, in code order.
std::vector<int> OfferedPageOps(int row, int pageIndex);

// Only these operations take a typed destination; for the others the
// destination field is empty and disabled.
bool PageOpHasDestination(int op);

// What a row's destination reads for its stored entry. `mailboxes` are the
// mailboxes in use and `slotLimit` the product type's slot count, for a
// mailbox destination.
std::string DestinationText(const PageEntry& entry, std::span<const MboxRecord> mailboxes,
                            int slotLimit);

// Stores operation `op` with the typed destination into `entry`; false (the
// entry untouched) when the destination breaks the operation's rule. Bytes
// that the operation does not name keep their values; "Disconnessione +
// Messaggio" keeps all of them.
bool StoreDestination(PageEntry& entry, int op, std::string_view typed,
                      std::span<const MboxRecord> mailboxes, int extDigits);

// What choosing an operation in a row leaves in its entry: the code, and every
// target byte and the qualifier cleared.
void ChooseOperation(PageEntry& entry, int op);

// Page numbers around `number` for "<<" and ">>", whether or not `number` is a
// page itself: a number between two languages counts as the nearest page
// beyond the gap. None before 00 and for "<<" from 47 or more; ">>" stops on 46.
int PreviousPageNumber(int number); // -1 for none
int NextPageNumber(int number);

// The page number as the page-number field shows it, two digits.
std::string PageNumberText(int pageIndex);

} // namespace kiv::autoatt
