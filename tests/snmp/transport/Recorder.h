#pragma once
// A requester that records every outcome the engine hands it, taking ownership of the message.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/core/CObject.h"
#include "snmp/CSnmpMsg.h"

class Recorder : public CObject {
public:
    struct Call {
        std::uint16_t code;
        std::unique_ptr<CSnmpMsg> msg;
    };

    void OnReply(std::uint16_t code, CSnmpMsg* msg) {
        calls.push_back({code, std::unique_ptr<CSnmpMsg>(msg)});
        if (onCall) {
            onCall(code, msg);
        }
    }
    static SNMPCALLBACK Callback() { return static_cast<SNMPCALLBACK>(&Recorder::OnReply); }

    std::vector<Call> calls;
    std::function<void(std::uint16_t, CSnmpMsg*)> onCall;
};
