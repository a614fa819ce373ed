#pragma once
// Application profile: integers and strings by section and key. Text crosses this interface as GBK.
#include <string>

namespace vt {

// Where settings persist (one section for the program, one per learner).
class CProfile {
public:
    virtual ~CProfile() = default;
    virtual int getInt(const std::string& section, const std::string& key, int defaultValue) const = 0;
    virtual std::string getString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) const = 0;
    virtual void setInt(const std::string& section, const std::string& key, int value) = 0;
    virtual void setString(const std::string& section, const std::string& key, const std::string& value) = 0;
    // Makes the values written so far durable; false when that failed (the values stay in memory).
    virtual bool flush() = 0;
    bool save() { return flush(); }
};

// Profile file of the user: VERBATROVE_PROFILE, else $XDG_CONFIG_HOME/verbatrove/verbatrove.ini, else
// ~/.config/verbatrove/verbatrove.ini. Returned as GBK text (file-system names converted).
std::string defaultProfilePath();

} // namespace vt
