#include "snmp/CSnmpVarBindList.h"

#include <algorithm>
#include <memory>
#include <new>

// Room for bindings after the header, filled in order; the bindings are destroyed by the list.
struct CSnmpVarBindList::Block {
    Block* next;

    std::byte* First() { return reinterpret_cast<std::byte*>(this) + Header(); }
    static constexpr std::size_t Header() {
        return (sizeof(Block) + alignof(CSnmpVarBind) - 1) / alignof(CSnmpVarBind) *
               alignof(CSnmpVarBind);
    }
};

namespace {
// Blocks stay within the sizes the allocator keeps ready per thread, so taking one and giving
// it back is cheap: eight bindings each, about half a table row's reply.
constexpr std::size_t kBlockBytes = 1024;
} // namespace

CSnmpVarBindList::~CSnmpVarBindList() {
    Clear();
}

void CSnmpVarBindList::GrowSlots() {
    const std::size_t capacity = m_capacity * 2;
    auto* items = new CSnmpVarBind*[capacity];
    std::copy(m_items, m_items + m_size, items);
    if (m_items != m_inline) {
        delete[] m_items;
    }
    m_items = items;
    m_capacity = capacity;
}

void CSnmpVarBindList::AddBlock() {
    constexpr std::size_t capacity = (kBlockBytes - Block::Header()) / sizeof(CSnmpVarBind);
    static_assert(capacity >= 4);
    void* raw = ::operator new(Block::Header() + capacity * sizeof(CSnmpVarBind));
    m_blocks = new (raw) Block{m_blocks};
    m_free = m_blocks->First();
    m_freeEnd = m_free + capacity * sizeof(CSnmpVarBind);
}

void CSnmpVarBindList::PushSlot(CSnmpVarBind* bind) {
    if (m_size == m_capacity) {
        GrowSlots();
    }
    m_items[m_size++] = bind;
}

void CSnmpVarBindList::Adopt(CSnmpVarBind* bind) {
    PushSlot(bind);
}

void CSnmpVarBindList::Clear() {
    while (m_size > 0) {
        CSnmpVarBind* bind = m_items[--m_size];
        if (bind && bind->m_bInListStorage) {
            // Append built it as a CSnmpVarBind and nothing else: no virtual call needed.
            bind->CSnmpVarBind::~CSnmpVarBind();
        } else {
            delete bind;
        }
    }
    while (m_blocks) {
        Block* next = m_blocks->next;
        m_blocks->~Block();
        ::operator delete(m_blocks);
        m_blocks = next;
    }
    m_free = nullptr;
    m_freeEnd = nullptr;
    if (m_items != m_inline) {
        delete[] m_items;
        m_items = m_inline;
        m_capacity = kInlineSlots;
    }
}

void CSnmpVarBindList::TakeAll(CSnmpVarBindList& other) {
    if (&other == this) {
        return;
    }
    Clear();
    if (other.m_items == other.m_inline) {
        std::copy(other.m_items, other.m_items + other.m_size, m_inline);
    } else {
        m_items = other.m_items;
        m_capacity = other.m_capacity;
    }
    m_size = other.m_size;
    m_blocks = other.m_blocks;
    m_free = other.m_free;
    m_freeEnd = other.m_freeEnd;
    other.m_items = other.m_inline;
    other.m_size = 0;
    other.m_capacity = kInlineSlots;
    other.m_blocks = nullptr;
    other.m_free = nullptr;
    other.m_freeEnd = nullptr;
}
