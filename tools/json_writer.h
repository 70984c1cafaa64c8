#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ordisan::tools {

// Builds one JSON document for every --json output, so that every output separates,
// escapes and writes numbers the same way. Texts must already be UTF-8.
//
//   JsonWriter json;
//   json.beginObject().key("cases").beginArray() ... .endArray().endObject();
class JsonWriter final {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);

    JsonWriter& value(std::string_view utf8);
    JsonWriter& value(const char* utf8) { return value(std::string_view(utf8)); }
    JsonWriter& value(int number);
    JsonWriter& value(bool flag);
    // The shortest decimal that reads back as the same 32-bit float.
    JsonWriter& value(float number);
    // The shortest decimal that reads back as the same double.
    JsonWriter& value(double number);
    JsonWriter& null();

    // key(name).value(v) in one call.
    template <typename T>
    JsonWriter& field(std::string_view name, const T& v)
    {
        return key(name).value(v);
    }

    // The document with a line break after it.
    std::string finished() const { return out_ + "\n"; }

private:
    // The comma before a value or key that follows another in the same container.
    void separate();

    std::string out_;
    std::vector<bool> firstInContainer_;
    bool afterKey_ = false;
};

// A JSON string literal, quotes included: only '"', '\\' and U+0000–U+001F escaped.
std::string jsonString(std::string_view utf8);

// The shortest decimal that reads back as the same 32-bit float.
std::string shortestDecimal(float value);

} // namespace ordisan::tools
