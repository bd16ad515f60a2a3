# Read by cpack for each package it makes. Without dpkg-shlibdeps, CPack still builds the
# Debian package, but names none of the libraries the program needs.
if(CPACK_GENERATOR STREQUAL "DEB")
    find_program(VARNEL_DPKG_SHLIBDEPS dpkg-shlibdeps)
    if(NOT VARNEL_DPKG_SHLIBDEPS)
        message(FATAL_ERROR "dpkg-shlibdeps is missing (Debian package dpkg-dev); without it "
                            "the package would not depend on the Qt libraries")
    endif()
endif()
