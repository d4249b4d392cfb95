#include "document/DefaultFiles.h"

#include "document/QelDoc.h"
#include "document/QelFile.h"

namespace kiv {

std::string MakeDefaultFile(int productType) {
    CQelDoc doc;
    doc.SetProductType(productType);
    StoreOptions options;
    options.advanceClock = false;
    options.passwordText = doc.unitPassword;
    return StoreConfiguration(doc, options);
}

} // namespace kiv
