# The version is the installed Debian package's.
include(/usr/share/cmake/nlohmann_json/nlohmann_jsonConfigVersion.cmake)
