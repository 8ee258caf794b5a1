#pragma once
// Store/load archive in the application framework's byte layout, so packet logs written by one
// build stay readable by another: little-endian integers, counted strings, class records on
// first use, object lists as a count followed by the objects.

#include <cstddef>
#include <cstdint>
#include <list>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/core/CObject.h"

// Thrown when loading runs past the data or meets a class record it cannot resolve.
class CArchiveException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CArchive {
public:
    enum Mode { store, load };

    // A storing archive collects bytes in memory (see Bytes()).
    CArchive();
    // A loading archive reads `data` from `offset`; it does not own the bytes.
    CArchive(const std::vector<std::uint8_t>& data, std::size_t offset = 0);

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }

    const std::vector<std::uint8_t>& Bytes() const { return m_out; }
    std::size_t Position() const { return m_pos; }
    bool AtEnd() const { return m_pos >= m_in->size(); }

    void Write(const void* data, std::size_t size);
    void Read(void* data, std::size_t size);

    CArchive& operator<<(std::uint8_t v);
    CArchive& operator<<(std::uint16_t v);
    CArchive& operator<<(std::uint32_t v);
    CArchive& operator<<(std::int32_t v);
    CArchive& operator<<(std::int64_t v);
    CArchive& operator<<(const std::string& s);

    CArchive& operator>>(std::uint8_t& v);
    CArchive& operator>>(std::uint16_t& v);
    CArchive& operator>>(std::uint32_t& v);
    CArchive& operator>>(std::int32_t& v);
    CArchive& operator>>(std::int64_t& v);
    CArchive& operator>>(std::string& s);

    void WriteCount(std::size_t count);
    std::size_t ReadCount();

    // Writes the null tag, a reference to an object already stored, or the object's class
    // record (new-class tag, schema, name) or class index followed by its fields.
    void WriteObject(const CObject* obj);
    // Creates the object by its class name and loads its fields; throws when the class is
    // unknown, its schema differs, or it is not derived from `expected` (when given).
    CObject* ReadObject(const CRuntimeClass* expected = nullptr);

    // An object list: its count, then each object. Loading appends created objects.
    template <class T> void SerializeList(std::list<T*>& items) {
        if (IsStoring()) {
            WriteCount(items.size());
            for (T* item : items) {
                WriteObject(item);
            }
            return;
        }
        std::size_t count = ReadCount();
        for (std::size_t i = 0; i < count; ++i) {
            CObject* obj = ReadObject(T::GetThisClass());
            items.push_back(static_cast<T*>(obj));
        }
    }

    static constexpr std::uint16_t kNullTag = 0x0000;
    static constexpr std::uint16_t kNewClassTag = 0xFFFF;
    static constexpr std::uint16_t kClassTag = 0x8000;

private:
    template <class T> void WriteLE(T v);
    template <class T> T ReadLE();

    Mode m_mode;
    std::vector<std::uint8_t> m_out;
    const std::vector<std::uint8_t>* m_in = nullptr;
    std::size_t m_pos = 0;
    // The framework numbers stored classes and objects together from 1; index 0 is null.
    std::uint32_t m_nMapCount = 1;
    std::map<const void*, std::uint32_t> m_storeMap;
    std::map<std::uint32_t, const CRuntimeClass*> m_loadClasses;
    std::map<std::uint32_t, CObject*> m_loadObjects;
};

// Appends `bytes` to the file at `path`, creating it when missing; false when it cannot be
// opened or written to the end (a folder, no permission, a full disk), with `error` (when given)
// the system's reason.
bool AppendToFile(const std::string& path, const std::vector<std::uint8_t>& bytes,
                  std::string* error = nullptr);
// Reads a whole file; false when it cannot be opened.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes);
