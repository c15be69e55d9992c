#pragma once
// The authoring system's add-in "ruzorari32.wll" keeps the help author's topic
// types; the navigator asks it through three entry points and never reads its
// settings file itself. The add-in is found through the registry store:
//   [Software\Sorvik Systems\Lumbra\<version>\Directories]
//   ruzorari32.wll=/path/of/ruzorari32.wll
// under the highest-numbered version key; without it the bare file name is
// loaded (the program's library folder, then the dynamic loader's search).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class RegistryStore;

constexpr const char* kAddInFile = "ruzorari32.wll";

// The version key with the largest number above 0 ("...\Lumbra\3.0"), or nullopt.
std::optional<std::string> FindProductVersionKey(const RegistryStore& store);

struct AddInTopicType {
    int32_t Id = 0;
    std::string Name;
    int32_t Access = 0;
    int32_t LinkType = 0;
    std::string Window;
};

class TopicTypeAddIn {
public:
    TopicTypeAddIn() = default;
    ~TopicTypeAddIn() { Release(); }
    TopicTypeAddIn(const TopicTypeAddIn&) = delete;
    TopicTypeAddIn& operator=(const TopicTypeAddIn&) = delete;

    // Loads the add-in once; a bound add-in answers true at once. Failures
    // are told to report (a message box with the stop icon when it is empty)
    // and leave nothing bound.
    bool Bind(const RegistryStore& store,
              const std::function<void(const std::string&)>& report = {});
    bool IsBound() const { return module_ != nullptr; }
    void Release();
    // The file the last binding loaded or tried.
    const std::string& Path() const { return path_; }

    // file: the full path of the add-in's "lumbra.ini". The count is -1 when
    // the add-in keeps no list.
    int32_t NumTopicTypes(const std::string& file) const;
    // nullopt when the add-in cannot read the type at index.
    std::optional<AddInTopicType> TopicType(const std::string& file, int32_t index) const;
    // The identifier of the topic type meant for the named viewer.
    int32_t TopicTypeMap(const std::string& file, const std::string& target) const;

private:
    using NumFn = int32_t (*)(const char*);
    using FromIndexFn = int32_t (*)(const char*, int32_t, int32_t*, char*, int32_t*, int32_t*,
                                    int32_t*, char*, int32_t*);
    using MapFn = int32_t (*)(int32_t, const char*, const char*);
    void* module_ = nullptr;
    NumFn num_ = nullptr;
    FromIndexFn fromIndex_ = nullptr;
    MapFn map_ = nullptr;
    std::string path_;
};

// The navigator's one binding, for the program's run.
TopicTypeAddIn& ProgramAddIn();
