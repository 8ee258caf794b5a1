#include "snmp/CSnmpVarBindList.h"

#include <algorithm>
#include <memory>
#include <new>

// Room for `capacity` bindings, filled in order and destroyed by the list.
struct CSnmpVarBindList::Block {
    Block* next;
    std::size_t capacity;
    std::size_t used;

    CSnmpVarBind* Slot(std::size_t i) {
        auto* first = reinterpret_cast<std::byte*>(this) + Header();
        return reinterpret_cast<CSnmpVarBind*>(first + i * sizeof(CSnmpVarBind));
    }
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
    m_blocks = new (raw) Block{m_blocks, capacity, 0};
}

inline void CSnmpVarBindList::PushSlot(CSnmpVarBind* bind) {
    if (m_size == m_capacity) {
        GrowSlots();
    }
    m_items[m_size++] = bind;
}

CSnmpVarBind* CSnmpVarBindList::Append(std::string_view oid) {
    if (!m_blocks || m_blocks->used == m_blocks->capacity) {
        AddBlock();
    }
    void* space = m_blocks->Slot(m_blocks->used++);
    auto* bind = new (space) CSnmpVarBind(oid);
    bind->m_bInListStorage = true;
    PushSlot(bind);
    return bind;
}

void CSnmpVarBindList::Adopt(CSnmpVarBind* bind) {
    PushSlot(bind);
}

void CSnmpVarBindList::Clear() {
    while (m_size > 0) {
        CSnmpVarBind* bind = m_items[--m_size];
        if (bind && bind->m_bInListStorage) {
            bind->~CSnmpVarBind();
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
    other.m_items = other.m_inline;
    other.m_size = 0;
    other.m_capacity = kInlineSlots;
    other.m_blocks = nullptr;
}
