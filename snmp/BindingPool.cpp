#include "snmp/BindingPool.h"

#include <new>

namespace binding_pool {
namespace {

struct Node {
    Node* next;
};

class FreeList {
public:
    ~FreeList() {
        while (m_head) {
            Node* next = m_head->next;
            ::operator delete(m_head);
            m_head = next;
        }
    }
    void* Pop(std::size_t size) {
        if (size != m_size || !m_head) {
            return nullptr;
        }
        Node* node = m_head;
        m_head = node->next;
        --m_count;
        return node;
    }
    bool Push(void* p, std::size_t size) {
        if (m_count >= kMaxKept || (m_size != 0 && size != m_size) || size < sizeof(Node)) {
            return false;
        }
        m_size = size;
        auto* node = static_cast<Node*>(p);
        node->next = m_head;
        m_head = node;
        ++m_count;
        return true;
    }

private:
    static constexpr int kMaxKept = 1024;
    Node* m_head = nullptr;
    std::size_t m_size = 0;
    int m_count = 0;
};

// The library is linked at load time, never opened later, so the cheap TLS model applies.
thread_local FreeList t_free __attribute__((tls_model("initial-exec")));

} // namespace

void* Take(std::size_t size) {
    if (void* p = t_free.Pop(size)) {
        return p;
    }
    return ::operator new(size);
}

void Give(void* p, std::size_t size) {
    if (p && !t_free.Push(p, size)) {
        ::operator delete(p);
    }
}

} // namespace binding_pool
