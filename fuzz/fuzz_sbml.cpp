// SBML models as "Import SBML..." reads them: every input is refused with a
// message or gives a session within the reaction system's limits.
#include "exchange/sbmlimport.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SbmlImport imported =
        importSbmlText(std::string(reinterpret_cast<const char*>(data), size));
    if (imported.ok == !imported.message.empty()) std::abort();
    if (imported.ok &&
        (imported.session.vReactor.uniqueComponentCount() > Vreactor::maxUniqueComponents ||
         imported.session.vReactor.reactions.count() > Vreactor::maxReactions))
        std::abort();
    return 0;
}
