#include "platform/core/CArchive.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

CArchive::CArchive() : m_mode(store) {}

CArchive::CArchive(const std::vector<std::uint8_t>& data, std::size_t offset)
    : m_mode(load), m_in(&data), m_pos(offset) {}

void CArchive::Write(const void* data, std::size_t size) {
    if (!IsStoring()) {
        throw CArchiveException("archive is not storing");
    }
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    m_out.insert(m_out.end(), bytes, bytes + size);
}

void CArchive::Read(void* data, std::size_t size) {
    if (!IsLoading()) {
        throw CArchiveException("archive is not loading");
    }
    if (size > m_in->size() - std::min(m_pos, m_in->size())) {
        throw CArchiveException("unexpected end of archive");
    }
    if (size > 0) {
        std::memcpy(data, m_in->data() + m_pos, size);
    }
    m_pos += size;
}

template <class T> void CArchive::WriteLE(T v) {
    std::uint8_t bytes[sizeof(T)];
    auto u = static_cast<std::uint64_t>(v);
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        bytes[i] = static_cast<std::uint8_t>(u >> (8 * i));
    }
    Write(bytes, sizeof(T));
}

template <class T> T CArchive::ReadLE() {
    std::uint8_t bytes[sizeof(T)];
    Read(bytes, sizeof(T));
    std::uint64_t u = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        u |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    }
    return static_cast<T>(u);
}

CArchive& CArchive::operator<<(std::uint8_t v) {
    return WriteLE(v), *this;
}
CArchive& CArchive::operator<<(std::uint16_t v) {
    return WriteLE(v), *this;
}
CArchive& CArchive::operator<<(std::uint32_t v) {
    return WriteLE(v), *this;
}
CArchive& CArchive::operator<<(std::int32_t v) {
    return WriteLE(v), *this;
}
CArchive& CArchive::operator<<(std::int64_t v) {
    return WriteLE(v), *this;
}

CArchive& CArchive::operator>>(std::uint8_t& v) {
    return v = ReadLE<std::uint8_t>(), *this;
}
CArchive& CArchive::operator>>(std::uint16_t& v) {
    return v = ReadLE<std::uint16_t>(), *this;
}
CArchive& CArchive::operator>>(std::uint32_t& v) {
    return v = ReadLE<std::uint32_t>(), *this;
}
CArchive& CArchive::operator>>(std::int32_t& v) {
    return v = ReadLE<std::int32_t>(), *this;
}
CArchive& CArchive::operator>>(std::int64_t& v) {
    return v = ReadLE<std::int64_t>(), *this;
}

CArchive& CArchive::operator<<(const std::string& s) {
    const std::size_t n = s.size();
    if (n < 0xFF) {
        WriteLE(static_cast<std::uint8_t>(n));
    } else if (n < 0xFFFF) {
        WriteLE(std::uint8_t{0xFF});
        WriteLE(static_cast<std::uint16_t>(n));
    } else {
        WriteLE(std::uint8_t{0xFF});
        WriteLE(std::uint16_t{0xFFFF});
        WriteLE(static_cast<std::uint32_t>(n));
    }
    Write(s.data(), n);
    return *this;
}

CArchive& CArchive::operator>>(std::string& s) {
    std::size_t n = ReadLE<std::uint8_t>();
    if (n == 0xFF) {
        n = ReadLE<std::uint16_t>();
        if (n == 0xFFFF) {
            n = ReadLE<std::uint32_t>();
        }
    }
    if (n > m_in->size() - std::min(m_pos, m_in->size())) {
        throw CArchiveException("string runs past the end of the archive");
    }
    s.assign(reinterpret_cast<const char*>(m_in->data() + m_pos), n);
    m_pos += n;
    return *this;
}

void CArchive::WriteCount(std::size_t count) {
    if (count < 0xFFFF) {
        WriteLE(static_cast<std::uint16_t>(count));
    } else {
        WriteLE(std::uint16_t{0xFFFF});
        WriteLE(static_cast<std::uint32_t>(count));
    }
}

std::size_t CArchive::ReadCount() {
    std::size_t count = ReadLE<std::uint16_t>();
    if (count == 0xFFFF) {
        count = ReadLE<std::uint32_t>();
    }
    return count;
}

void CArchive::WriteObject(const CObject* obj) {
    if (!obj) {
        WriteLE(kNullTag);
        return;
    }
    if (auto known = m_storeMap.find(obj); known != m_storeMap.end()) {
        WriteLE(static_cast<std::uint16_t>(known->second));
        return;
    }
    const CRuntimeClass* cls = obj->GetRuntimeClass();
    if (cls->m_wSchema == 0xFFFF) {
        throw CArchiveException(std::string("class is not serializable: ") + cls->m_lpszClassName);
    }
    if (auto known = m_storeMap.find(cls); known != m_storeMap.end()) {
        WriteLE(static_cast<std::uint16_t>(kClassTag | known->second));
    } else {
        const std::string name = cls->m_lpszClassName;
        WriteLE(kNewClassTag);
        WriteLE(cls->m_wSchema);
        WriteLE(static_cast<std::uint16_t>(name.size()));
        Write(name.data(), name.size());
        m_storeMap[cls] = m_nMapCount++;
    }
    m_storeMap[obj] = m_nMapCount++;
    const_cast<CObject*>(obj)->Serialize(*this);
}

CObject* CArchive::ReadObject(const CRuntimeClass* expected) {
    const std::uint16_t tag = ReadLE<std::uint16_t>();
    if (tag == kNullTag) {
        return nullptr;
    }
    const CRuntimeClass* cls = nullptr;
    if (tag == kNewClassTag) {
        const std::uint16_t schema = ReadLE<std::uint16_t>();
        const std::uint16_t length = ReadLE<std::uint16_t>();
        std::string name(length, '\0');
        Read(name.data(), length);
        cls = CRuntimeClass::FromName(name);
        if (!cls || !cls->m_pfnCreateObject) {
            throw CArchiveException("unknown class in archive: " + name);
        }
        if (cls->m_wSchema != schema) {
            throw CArchiveException("class schema differs in archive: " + name);
        }
        m_loadClasses[m_nMapCount++] = cls;
    } else if (tag & kClassTag) {
        auto it = m_loadClasses.find(tag & ~kClassTag);
        if (it == m_loadClasses.end()) {
            throw CArchiveException("archive refers to a class it did not store");
        }
        cls = it->second;
    } else {
        auto it = m_loadObjects.find(tag);
        if (it == m_loadObjects.end()) {
            throw CArchiveException("archive refers to an object it did not store");
        }
        return it->second;
    }
    if (expected && !cls->IsDerivedFrom(expected)) {
        throw CArchiveException(std::string("archive holds an unexpected class: ") +
                                cls->m_lpszClassName);
    }
    CObject* obj = cls->CreateObject();
    const std::uint32_t index = m_nMapCount++;
    m_loadObjects[index] = obj;
    try {
        obj->Serialize(*this);
    } catch (...) {
        m_loadObjects.erase(index);
        delete obj;
        throw;
    }
    return obj;
}

bool AppendToFile(const std::string& path, const std::vector<std::uint8_t>& bytes,
                  std::string* error) {
    // Written and closed with the C library, whose failures carry their reason, and checked
    // at the close too: a full disk refuses the bytes only when the buffer is written out.
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (!file) {
        if (error) {
            *error = std::strerror(errno);
        }
        return false;
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    int reason = written ? 0 : errno;
    if (std::fclose(file) != 0 && written) {
        written = false;
        reason = errno;
    }
    if (!written && error) {
        *error = std::strerror(reason);
    }
    return written;
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}
