// Fuzz targets: load any bytes as a property-set archive or a property string; what loads must
// store and load again to the same bytes.
#include "model_fuzz_target.h"

#include <string>

#include "Properties.h"
#include "model_with_lists.h"
#include "archive_bytes.h"

namespace {

typedef ModelWithLists Model;

// What a model stores loads back; loaded once (colours then hold their palette values), it
// stores and loads to the same bytes.
void ExpectStableStore(CProperties& props)
{
    Model once;
    Model twice;
    if (LoadRecord(StoreRecord(props), once.props) != -1)
        throw std::string("a stored model does not load back");
    Bytes stored = StoreRecord(once.props);
    if (LoadRecord(stored, twice.props) != -1 || StoreRecord(twice.props) != stored)
        throw std::string("a loaded model does not store and load to the same bytes");
}

} // namespace

bool FuzzPropertiesArchive(const FuzzByte* data, size_t size)
{
    Model m;
    Bytes before = StoreRecord(m.props);
    if (LoadRecord(Bytes(data, data + size), m.props) == -1) {
        ExpectStableStore(m.props);
        return true;
    }
    if (StoreRecord(m.props) != before)
        throw std::string("a failed load changed the model");
    return false;
}

bool FuzzPropertyString(const FuzzByte* data, size_t size)
{
    Model m;
    std::string text(reinterpret_cast<const char*>(data), size);
    bool bRead = m.props.ParsePropertyString(text.c_str()) != 0;
    ExpectStableStore(m.props);
    return bRead;
}
