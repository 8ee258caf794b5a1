#pragma once
// A small datagram socket in the shape the engine's transport is written against: open on a
// local port, send to a named host, read one datagram, and a receive notification delivered on
// the thread that owns the socket through Qt's event loop.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/CObject.h"
#include "snmp/NmSnmpApi.h"

class QSocketNotifier;

// Socket error numbers reported by GetLastError; they keep the numbering the packet-log texts
// and message boxes have always shown ("Socket error, error code= 0x%04x").
enum : int {
    SOCK_ERR_ACCESS = 10013,         // the network layer refused the destination (broadcast)
    SOCK_ERR_MSGSIZE = 10040,        // datagram larger than the network accepts
    SOCK_ERR_NOTSOCK = 10038,        // the socket was never opened
    SOCK_ERR_AFNOSUPPORT = 10047,    // the system has no sockets of the address's family
    SOCK_ERR_ADDRINUSE = 10048,      // the local port is taken
    SOCK_ERR_ADDRNOTAVAIL = 10049,   // the destination address or port is not usable
    SOCK_ERR_NETUNREACH = 10051,     // no route to the destination network
    SOCK_ERR_NOBUFS = 10055,         // no buffer space for the datagram
    SOCK_ERR_NOTINITIALISED = 10093, // the engine is not running
    SOCK_ERR_HOST_NOT_FOUND = 11001, // the host name cannot be resolved
    SOCK_ERR_UNKNOWN = 10004,        // any other failure of the network layer
};

class NMSNMP_API CAsyncSocket : public CObject {
    DECLARE_DYNAMIC(CAsyncSocket)
public:
    CAsyncSocket();
    ~CAsyncSocket() override;
    CAsyncSocket(const CAsyncSocket&) = delete;
    CAsyncSocket& operator=(const CAsyncSocket&) = delete;

    // Opens a datagram socket on `port` (0: any free port) of the local `address` (empty: any
    // IPv4 address; "127.0.0.1", "::1", "::" or an address of this host) and enables the
    // receive notification; what was open before is closed. False with GetLastError set on
    // failure.
    bool Create(std::uint16_t port = 0, const std::string& address = {});
    void Close();

    // Sends one datagram to `host` (IPv4 or IPv6 address, or host name) and `port`. It leaves
    // from a local socket of the destination's family that the destination can answer: one
    // bound to the loopback address for a loopback destination, else one bound to any address
    // (a listener so answers from where it listens). When there is none, one is opened on a
    // free port, bound to the loopback address for a loopback destination (no other host can
    // reach it) and to any address for others. Returns the byte count, or -1 with GetLastError
    // set.
    int SendTo(const void* data, int length, std::uint16_t port, const std::string& host);
    // Reads the waiting datagram (at most `capacity` bytes; the rest of a longer one is lost).
    // Returns the byte count, or -1 with GetLastError set. `datagramLength`, when given,
    // receives the datagram's full length, which exceeds the count when it was cut short.
    int ReceiveFrom(void* data, int capacity, std::string& senderAddress, std::uint16_t& senderPort,
                    int* datagramLength = nullptr);

    int GetLastError() const { return m_nLastError; }
    // The local port and address of the socket the last datagram left from, or before any was
    // sent of the one Create opened; 0 and empty before Create.
    std::uint16_t GetLocalPort() const;
    std::string GetLocalAddress() const;

protected:
    // Called once per waiting datagram, on the owning thread.
    virtual void OnReceive(int nErrorCode);
    // For a handler that reads a batch of datagrams itself: one OnReceive per notification,
    // then back to the event loop, which notifies again while datagrams wait. A flood then
    // never holds the thread for longer than one batch.
    void SetOneReceivePerNotification() { m_bOneReceivePerNotification = true; }
    void SetLastError(int error) { m_nLastError = error; }

    // What the system tells about one datagram besides its bytes, for a listener that must know
    // where a datagram was addressed and whether others were lost before it.
    struct Arrival {
        std::string sender;
        std::uint16_t senderPort = 0;
        std::string local; // the address it was sent to; empty when the system does not say
        // Datagrams the socket dropped because its receive buffer was full, counted since
        // EnableArrivalInfo; valid when `knowsDrops`.
        std::uint32_t dropsSoFar = 0;
        bool knowsDrops = false;
        int length = 0; // the datagram's full length
    };
    // Asks for the arrival details on every datagram and a receive buffer of `bufferBytes`
    // (the system may grant less).
    void EnableArrivalInfo(int bufferBytes);
    // Reads the waiting datagram like ReceiveFrom, with its arrival details. -1 with
    // GetLastError set when none is waiting or reading fails.
    int ReceiveWithArrival(void* data, int capacity, Arrival& arrival);

private:
    struct Binding;
    // Opens a socket bound to `local` (`size` bytes); null with GetLastError set on failure.
    Binding* Open(const void* local, unsigned size);
    Binding* BindingFor(int family, bool loopback);
    void DeliverPendingDatagrams(Binding* binding);
    const Binding* Shown() const;

    std::vector<std::unique_ptr<Binding>> m_bindings;
    Binding* m_pReading = nullptr; // whose datagram OnReceive is reading
    Binding* m_pLastSent = nullptr;
    std::uint64_t m_nCloses = 0;
    int m_nLastError = 0;
    std::uint64_t m_nReads = 0;
    bool m_bOneReceivePerNotification = false;
};
