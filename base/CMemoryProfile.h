#pragma once
// Profile kept in memory only: the test double, and the store the INI file profile reads into.
#include "base/CProfile.h"

#include <string>
#include <utility>
#include <vector>

namespace vt {

// Profile values held in memory, sections and keys in the order they were first written.
class CMemoryProfile : public CProfile {
public:
    int getInt(const std::string& section, const std::string& key, int defaultValue) const override;
    std::string getString(const std::string& section, const std::string& key,
                          const std::string& defaultValue) const override;
    void setInt(const std::string& section, const std::string& key, int value) override;
    void setString(const std::string& section, const std::string& key, const std::string& value) override;
    bool flush() override { return true; }

    bool has(const std::string& section, const std::string& key) const;
    void clear() { m_sections.clear(); }

protected:
    using Keys = std::vector<std::pair<std::string, std::string>>;
    struct Section {
        std::string name;
        Keys keys;
    };
    const std::string* find(const std::string& section, const std::string& key) const;
    std::vector<Section> m_sections;
};

} // namespace vt
