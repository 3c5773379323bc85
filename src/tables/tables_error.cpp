#include "tables/tables_error.h"

namespace tabulo::tables {

void RaiseUnexpected() { RaiseMessage(kMsgUnexpectedInputError); }

}  // namespace tabulo::tables
