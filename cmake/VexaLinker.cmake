# Links with mold when it is installed (scripts/setup installs it): every test
# executable of the windows links all of Qt, and mold links each in a fraction
# of the time GNU ld takes. -DVEXA_MOLD=OFF keeps the default linker.
option(VEXA_MOLD "Link with mold when it is installed" ON)
if(VEXA_MOLD)
  include(CheckLinkerFlag)
  check_linker_flag(CXX "-fuse-ld=mold" VEXA_LINKER_MOLD)
  if(VEXA_LINKER_MOLD)
    add_link_options(-fuse-ld=mold)
  endif()
endif()
