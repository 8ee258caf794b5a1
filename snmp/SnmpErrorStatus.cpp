#include "snmp/SnmpErrorStatus.h"

#include <iterator>

#include "platform/core/TextFormat.h"

std::string SnmpErrorStatusName(std::uint32_t status) {
    static const char* const kNames[] = {"noError",
                                         "tooBig",
                                         "noSuchName",
                                         "badValue",
                                         "readOnly",
                                         "genErr",
                                         "noAccess",
                                         "wrongType",
                                         "wrongLength",
                                         "wrongEncoding",
                                         "wrongValue",
                                         "noCreation",
                                         "inconsistentValue",
                                         "resourceUnavailable",
                                         "commitFailed",
                                         "undoFailed",
                                         "authorizationError",
                                         "notWritable",
                                         "inconsistentName"};
    if (status < std::size(kNames)) {
        return kNames[status];
    }
    return FormatText("error(%u)", status);
}
