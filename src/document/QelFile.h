#pragma once
// Reading and writing configuration files (the document's Serialize).

#include "document/MessageSink.h"
#include "document/QelDoc.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kiv {

struct StoreOptions {
    // Moves the clock forward before it is written, as every save does.
    bool advanceClock = true;
    // The text stored in the password slot after the identity texts. Saves
    // leave it empty; the shipped default files carry the default password.
    std::string passwordText;
};

// Stores the configuration: items in file order, then the password block.
// Sets fileValid to 1 and (unless told otherwise) advances the clock.
std::string StoreConfiguration(CQelDoc& doc, const StoreOptions& options = {});

// Loads a configuration file into the current contents, as "&Apri" does: the
// product type follows from the last three characters of `fileName`. Shows
// its messages through `sink`; returns fileValid (1 accepted, 0 refused).
int LoadConfiguration(CQelDoc& doc, std::span<const uint8_t> data, std::string_view fileName,
                      MessageSink& sink);

enum class DefaultLoad {
    Loaded,     // read completely (possibly with the older-file warning)
    ResetAgain, // refused: the caller resets the configuration again
    Partial,    // refused: what was read so far stays
};

// Loads a default file for the document's present product type (slotLimit
// already set), as "Apri &Default" does.
DefaultLoad LoadDefaultConfiguration(CQelDoc& doc, std::span<const uint8_t> data,
                                     MessageSink& sink);

// The scrambled password block written at the end of every file.
std::string EncodePasswordBlock(const std::string& password);
// Reads a password block back; stops at the first group that is not one.
std::string DecodePasswordBlock(std::span<const uint8_t> data);

// Sets break slots whose start, end or page lie outside their ranges to 0.
void ClampBreaks(CQelDoc& doc);

} // namespace kiv
