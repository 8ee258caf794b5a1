#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <string_view>

#include "snmp/CSnmpVarBind.h"
#include "snmp/NmSnmpApi.h"

// The bindings of a PDU, in wire order, owned by the list.
//
// Read like a list of `CSnmpVarBind*` (iteration, front, back, size, empty). The bindings the
// list builds go into blocks it owns, eight to a block, and its first 16 slots are inside it, so
// a 16-counter reply costs two allocations instead of three per binding. Bindings made elsewhere
// (loaded from an archive) can be adopted. Appending may move the slots, so iterators do not
// survive an append; the bindings themselves never move.
class NMSNMP_API CSnmpVarBindList {
public:
    using value_type = CSnmpVarBind*;
    using reference = CSnmpVarBind*&;
    using const_reference = CSnmpVarBind* const&;
    using iterator = CSnmpVarBind**;
    using const_iterator = CSnmpVarBind* const*;
    using size_type = std::size_t;

    CSnmpVarBindList() = default;
    ~CSnmpVarBindList();
    CSnmpVarBindList(const CSnmpVarBindList&) = delete;
    CSnmpVarBindList& operator=(const CSnmpVarBindList&) = delete;

    iterator begin() { return m_items; }
    iterator end() { return m_items + m_size; }
    const_iterator begin() const { return m_items; }
    const_iterator end() const { return m_items + m_size; }
    reference front() { return m_items[0]; }
    reference back() { return m_items[m_size - 1]; }
    const_reference front() const { return m_items[0]; }
    const_reference back() const { return m_items[m_size - 1]; }
    size_type size() const { return m_size; }
    bool empty() const { return m_size == 0; }

    // Builds a binding for `oid` in the list's own storage and appends it. Inline: a reply
    // builds every binding through here.
    CSnmpVarBind* Append(std::string_view oid) {
        if (m_free == m_freeEnd) {
            AddBlock();
        }
        auto* bind = new (m_free) CSnmpVarBind(oid);
        m_free += sizeof(CSnmpVarBind);
        bind->m_bInListStorage = true;
        if (m_size == m_capacity) {
            GrowSlots();
        }
        m_items[m_size++] = bind;
        return bind;
    }
    // Appends a binding made with new (as loading an archive makes them); the list deletes it.
    void Adopt(CSnmpVarBind* bind);
    // Destroys every binding, from the tail, and empties the list.
    void Clear();
    // Destroys this list's bindings, then takes every binding of `other`, in its order, with the
    // storage they live in; `other` is left empty. The bindings themselves do not move.
    void TakeAll(CSnmpVarBindList& other);

private:
    struct Block;
    static constexpr std::size_t kInlineSlots = 16;

    void PushSlot(CSnmpVarBind* bind);
    void GrowSlots();
    void AddBlock();

    CSnmpVarBind** m_items = m_inline;
    std::size_t m_size = 0;
    std::size_t m_capacity = kInlineSlots;
    Block* m_blocks = nullptr; // newest first
    // The room left in the newest block.
    std::byte* m_free = nullptr;
    std::byte* m_freeEnd = nullptr;
    CSnmpVarBind* m_inline[kInlineSlots]; // only the first m_size are ever read
};
