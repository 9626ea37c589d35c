#include "transport_choice.h"

using namespace Qt::Literals::StringLiterals;

namespace {

struct Names {
    Transport transport;
    QString key, name;
};

const Names Choices[] = {
    {Transport::IAPS1985, u"IAPS1985"_s, u"IAPS 1985"_s},
    {Transport::IAPWS2008_2011, u"IAPWS2008-2011"_s, u"IAPWS 2008/2011"_s},
};

const Names& NamesOf(Transport transport) {
    return Choices[transport == Transport::IAPS1985 ? 0 : 1];
}

}  // namespace

QString TransportKey(Transport transport) {
    return NamesOf(transport).key;
}

std::optional<Transport> TransportOfKey(QStringView key) {
    for (const Names& c : Choices)
        if (key == c.key) return c.transport;
    return std::nullopt;
}

QString TransportName(Transport transport) {
    return NamesOf(transport).name;
}
