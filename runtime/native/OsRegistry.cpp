// Host stand-in for the registry: an in-process store with the platform's keys, types and sizes,
// loaded from and saved to the file named by the KIVRA_REGISTRY environment variable when set.
#include "runtime/OsRegistry.h"

#include <cstdio>
#include <cstdlib>
#include <cwctype>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "runtime/native/NativeRegistry.h"
#include "runtime/native/NativeText.h"

namespace {

constexpr long kOk = 0;
constexpr long kNotFound = 2;
constexpr long kAccessDenied = 5;
constexpr long kInvalidHandle = 6;
constexpr long kInvalidParameter = 87;
constexpr long kMoreData = 234;

struct TValue {
    std::wstring name;
    std::uint32_t type = 0;
    std::vector<unsigned char> data;
};

struct TKey {
    std::wstring path;  // as first created, for saving
    std::map<std::wstring, TValue> values;  // by lower-case name
};

struct TOpenKey {
    std::wstring id;  // lower-case full path
    std::uint32_t access;
};

std::wstring Lower(const std::wstring& s)
{
    std::wstring out(s);
    for (wchar_t& c : out)
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return out;
}

const wchar_t* RootName(TRegHandle key)
{
    switch (key) {
    case reg::kClassesRoot: return L"HKEY_CLASSES_ROOT";
    case reg::kCurrentUser: return L"HKEY_CURRENT_USER";
    case reg::kLocalMachine: return L"HKEY_LOCAL_MACHINE";
    case reg::kUsers: return L"HKEY_USERS";
    default: return nullptr;
    }
}

const char* StoreFile();

class TStore {
public:
    std::mutex mutex;
    std::map<std::wstring, TKey> keys;  // by lower-case full path
    std::map<TRegHandle, TOpenKey> open;
    TRegHandle nextHandle = 0x1000;
    bool loaded = false;

    // Full path of a handle (a root or an open key), or false for an unknown handle.
    bool Resolve(TRegHandle key, std::wstring* path, std::uint32_t* access)
    {
        if (const wchar_t* root = RootName(key)) {
            *path = root;
            *access = reg::kReadWrite;
            Ensure(*path);
            return true;
        }
        auto it = open.find(key);
        if (it == open.end())
            return false;
        *path = keys.count(it->second.id) ? keys[it->second.id].path : it->second.id;
        *access = it->second.access;
        return true;
    }

    // The key behind a handle for a value operation that needs the given access right:
    // kOk with the key, or the error the platform call would give.
    long KeyFor(TRegHandle handle, std::uint32_t needed, TKey** key)
    {
        std::wstring path;
        std::uint32_t access = 0;
        if (!Resolve(handle, &path, &access))
            return kInvalidHandle;
        if (!(access & needed))
            return kAccessDenied;
        *key = Find(path);
        return *key ? kOk : kNotFound;
    }

    void Ensure(const std::wstring& path)
    {
        TKey& key = keys[Lower(path)];
        if (key.path.empty())
            key.path = path;
    }

    TKey* Find(const std::wstring& path)
    {
        auto it = keys.find(Lower(path));
        return it == keys.end() ? nullptr : &it->second;
    }

    TRegHandle NewHandle(const std::wstring& path, std::uint32_t access)
    {
        const TRegHandle h = nextHandle;
        nextHandle += 4;
        open[h] = {Lower(path), access};
        return h;
    }

    bool Load(const char* file);
    bool Save(const char* file);
    // Keeps the file named by KIVRA_REGISTRY up to date.
    void Persist()
    {
        if (const char* file = StoreFile())
            Save(file);
    }
};

TStore& Store()
{
    static TStore store;
    return store;
}

std::wstring Join(const std::wstring& parent, const wchar_t* sub)
{
    std::wstring path = parent;
    std::wstring rest = sub ? sub : L"";
    while (!rest.empty() && rest.back() == L'\\')
        rest.pop_back();
    if (!rest.empty())
        path += L"\\" + rest;
    return path;
}

const char* StoreFile()
{
    const char* file = std::getenv("KIVRA_REGISTRY");
    return file && *file ? file : nullptr;
}

// Lock and lazy load in one step, so every call sees the persisted store.
std::unique_lock<std::mutex> Enter()
{
    TStore& s = Store();
    std::unique_lock<std::mutex> hold(s.mutex);
    if (!s.loaded) {
        s.loaded = true;
        if (const char* file = StoreFile())
            s.Load(file);
    }
    return hold;
}

}  // namespace

long OsRegOpenKey(TRegHandle parent, const wchar_t* subKey, std::uint32_t access, TRegHandle* key)
{
    *key = 0;
    auto hold = Enter();
    TStore& s = Store();
    std::wstring base;
    std::uint32_t parentAccess = 0;
    if (!s.Resolve(parent, &base, &parentAccess))
        return kInvalidHandle;
    const std::wstring path = Join(base, subKey);
    if (!s.Find(path))
        return kNotFound;
    *key = s.NewHandle(path, access);
    return kOk;
}

long OsRegCreateKey(TRegHandle parent, const wchar_t* subKey, std::uint32_t access, TRegHandle* key,
                    std::uint32_t* disposition)
{
    *key = 0;
    auto hold = Enter();
    TStore& s = Store();
    std::wstring base;
    std::uint32_t parentAccess = 0;
    if (!s.Resolve(parent, &base, &parentAccess))
        return kInvalidHandle;
    const std::wstring path = Join(base, subKey);
    const bool existed = s.Find(path) != nullptr;
    // Every key on the way exists afterwards, as with the platform call.
    for (std::size_t at = base.size() + 1; at < path.size(); ++at) {
        if (path[at] == L'\\')
            s.Ensure(path.substr(0, at));
    }
    s.Ensure(path);
    if (disposition)
        *disposition = existed ? reg::kOpenedExistingKey : reg::kCreatedNewKey;
    *key = s.NewHandle(path, access);
    if (!existed)
        s.Persist();
    return kOk;
}

long OsRegCloseKey(TRegHandle key)
{
    if (RootName(key))
        return kOk;
    auto hold = Enter();
    return Store().open.erase(key) ? kOk : kInvalidHandle;
}

long OsRegQueryValue(TRegHandle key, const wchar_t* name, std::uint32_t* type, void* data, std::uint32_t* size)
{
    auto hold = Enter();
    TKey* k = nullptr;
    if (const long error = Store().KeyFor(key, reg::kQueryValue, &k))
        return error;
    if (data && !size)
        return kInvalidParameter;
    auto it = k->values.find(Lower(name ? name : L""));
    if (it == k->values.end())
        return kNotFound;
    const TValue& v = it->second;
    if (type)
        *type = v.type;
    if (!size)
        return kOk;
    const std::uint32_t have = static_cast<std::uint32_t>(v.data.size());
    const std::uint32_t room = *size;
    *size = have;
    if (!data)
        return kOk;
    if (room < have)
        return kMoreData;
    std::copy(v.data.begin(), v.data.end(), static_cast<unsigned char*>(data));
    return kOk;
}

long OsRegSetValue(TRegHandle key, const wchar_t* name, std::uint32_t type, const void* data, std::uint32_t size)
{
    auto hold = Enter();
    TStore& s = Store();
    TKey* k = nullptr;
    if (const long error = s.KeyFor(key, reg::kSetValue, &k))
        return error;
    if (!data && size)
        return kInvalidParameter;
    TValue& v = k->values[Lower(name ? name : L"")];
    v.name = name ? name : L"";
    v.type = type;
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    v.data.assign(bytes, bytes + size);
    s.Persist();
    return kOk;
}

long OsRegDeleteTree(TRegHandle parent, const wchar_t* subKey)
{
    auto hold = Enter();
    TStore& s = Store();
    std::wstring base;
    std::uint32_t access = 0;
    if (!s.Resolve(parent, &base, &access))
        return kInvalidHandle;
    const std::wstring id = Lower(Join(base, subKey));
    if (!s.keys.count(id))
        return kNotFound;
    for (auto it = s.keys.begin(); it != s.keys.end();) {
        const bool below = it->first == id || it->first.compare(0, id.size() + 1, id + L"\\") == 0;
        it = below ? s.keys.erase(it) : std::next(it);
    }
    s.Persist();
    return kOk;
}

// The store file: "[full key path]" lines, each followed by its values as
// "type hex-bytes name" lines ("-" for no bytes).
bool TStore::Load(const char* file)
{
    std::FILE* f = std::fopen(file, "r");
    if (!f)
        return false;
    TKey* current = nullptr;
    std::string line;
    for (int c = 0; c != EOF;) {
        c = std::fgetc(f);
        if (c != '\n' && c != EOF) {
            line += static_cast<char>(c);
            continue;
        }
        const std::size_t space1 = line.find(' ');
        const std::size_t space2 = space1 == std::string::npos ? space1 : line.find(' ', space1 + 1);
        if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
            const std::wstring path = WideFromUtf8(line.substr(1, line.size() - 2).c_str());
            Ensure(path);
            current = Find(path);
        } else if (current && space2 != std::string::npos) {
            TValue v;
            v.type = static_cast<std::uint32_t>(std::strtoul(line.c_str(), nullptr, 10));
            const std::string bytes = line.substr(space1 + 1, space2 - space1 - 1);
            for (std::size_t i = 0; bytes != "-" && i + 1 < bytes.size(); i += 2)
                v.data.push_back(static_cast<unsigned char>(std::strtoul(bytes.substr(i, 2).c_str(), nullptr, 16)));
            v.name = WideFromUtf8(line.substr(space2 + 1).c_str());
            current->values[Lower(v.name)] = v;
        }
        line.clear();
    }
    std::fclose(f);
    return true;
}

bool TStore::Save(const char* file)
{
    std::FILE* f = std::fopen(file, "w");
    if (!f)
        return false;
    for (const auto& entry : keys) {
        std::fprintf(f, "[%s]\n", Utf8FromWide(entry.second.path.c_str()).c_str());
        for (const auto& named : entry.second.values) {
            const TValue& v = named.second;
            std::fprintf(f, "%u ", static_cast<unsigned>(v.type));
            if (v.data.empty())
                std::fputc('-', f);
            for (unsigned char b : v.data)
                std::fprintf(f, "%02X", b);
            std::fprintf(f, " %s\n", Utf8FromWide(v.name.c_str()).c_str());
        }
    }
    return std::fclose(f) == 0;
}

bool NativeRegistryLoad(const char* file)
{
    auto hold = Enter();
    return Store().Load(file);
}

bool NativeRegistrySave(const char* file)
{
    auto hold = Enter();
    return Store().Save(file);
}
