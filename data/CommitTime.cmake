# The time every time stamp of the build and the package takes, so that two builds of one commit
# are the same byte for byte: SOURCE_DATE_EPOCH when the caller set it (as Debian's tools do),
# else the time of the last commit of the checkout at `source_dir`; empty when neither is known.
function(goalrun_commit_time variable source_dir)
    set(epoch "$ENV{SOURCE_DATE_EPOCH}")
    if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
        execute_process(COMMAND git -C "${source_dir}" log -1 --format=%ct
                        OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                        RESULT_VARIABLE failed ERROR_QUIET)
    endif()
    if(failed OR NOT epoch MATCHES "^[0-9]+$")
        set(epoch "")
    endif()
    set(${variable} "${epoch}" PARENT_SCOPE)
endfunction()
