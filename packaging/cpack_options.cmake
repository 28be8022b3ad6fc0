# Read by cpack once per generator. The release archive is a portable program folder: it
# unpacks anywhere and keeps its settings where it can write, so its install leaves the
# installation mark out. Every other install (cmake --install, the Debian package) marks it.
if(CPACK_GENERATOR STREQUAL "TGZ")
    set(CPACK_CUSTOM_INSTALL_VARIABLES "BANDOLIN_PORTABLE=ON")
endif()
