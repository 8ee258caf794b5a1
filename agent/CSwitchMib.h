#pragma once
// The switch's MIB: every object type, and the readable instances of the running switch in
// lexicographic order, so get-next walks the whole MIB in one ordered pass.

#include <string>
#include <vector>

#include "agent/MibObject.h"

class CSwitchMib {
public:
    struct Instance {
        Oid oid;          // object identifier and instance suffix
        std::string text; // the same as dotted text, as it goes on the wire
        const MibObject* object = nullptr;
        Oid suffix;
    };

    CSwitchMib();
    CSwitchMib(const CSwitchMib&) = delete;
    CSwitchMib& operator=(const CSwitchMib&) = delete;

    // Lists the readable instances of `device` again (rows come and go with sets and resets).
    void Rebuild(const CSimSwitch& device);

    // The readable instance named exactly `oid`, or null.
    const Instance* Find(const Oid& oid) const;
    // The first readable instance after `oid`, or null past the end of the MIB.
    const Instance* Next(const Oid& oid) const;

    // The object that `oid` names an instance of, with the suffix in `suffix`; null when `oid`
    // lies under no object.
    const MibObject* ObjectFor(const Oid& oid, Oid& suffix) const;
    // Whether `suffix` names a row a set may write: an existing one, or for the trap receiver
    // table any well-formed address (rows are created by setting their status).
    static bool IsWritableInstance(const MibObject& object, const Oid& suffix,
                                   const CSimSwitch& device);

private:
    std::vector<MibObject> m_objects;
    std::vector<Instance> m_instances;
};
