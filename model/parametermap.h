#pragma once
// The named text parameters a design is stored in. The widget file owns the real map; the
// model only sees this interface, so it does not depend on the widget-file code above it.

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>

class IParameterMap {
public:
    virtual ~IParameterMap() = default;

    virtual void Clear() = 0;
    // Inserts or replaces.
    virtual void Set(std::string_view strName, std::string strValue) = 0;
    // The stored value, or null when the name is missing. Names are case-sensitive.
    virtual const std::string* Find(std::string_view strName) const = 0;
    virtual size_t Size() const = 0;
    // Every entry, in no particular order: for readers that want most of them, which is
    // cheaper than looking each up.
    virtual void ForEach(
        const std::function<void(std::string_view strName, const std::string& strValue)>& visit)
        const = 0;
};

// A plain ordered map; used by tests and wherever no widget file is involved.
class CParameterMap : public IParameterMap {
public:
    void Clear() override { m_values.clear(); }
    void Set(std::string_view strName, std::string strValue) override {
        m_values.insert_or_assign(std::string(strName), std::move(strValue));
    }
    const std::string* Find(std::string_view strName) const override {
        auto it = m_values.find(std::string(strName));
        return it == m_values.end() ? nullptr : &it->second;
    }
    size_t Size() const override { return m_values.size(); }
    void ForEach(const std::function<void(std::string_view, const std::string&)>& visit)
        const override {
        for (const auto& [name, value] : m_values)
            visit(name, value);
    }

    const std::map<std::string, std::string>& Values() const { return m_values; }

private:
    std::map<std::string, std::string> m_values;
};
