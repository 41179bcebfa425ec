# Turns a help text into a manual page.
#   awk -v section=1 -v date=2026-12-07 -v source="Kedoozle 2.0" -v manual="Kedoozle" -f helptoman.awk HELP
# The help text's first line is "name - summary". A block that starts with "Usage:" gives the
# synopsis; a block whose first line ends with a colon is a subsection under that title. A
# block written flush left flows as a paragraph; a block with indented lines keeps its layout.

function escape(text) {
    gsub(/\\/, "\\e", text)
    gsub(/-/, "\\-", text)
    if (text ~ /^[.']/)
        text = "\\&" text
    return text
}

function flush(    i, indented, heading, first) {
    if (count == 0)
        return
    first = 1
    if (lines[1] == "Usage:") {
        print ".SH SYNOPSIS"
        print ".nf"
        for (i = 2; i <= count; ++i) {
            sub(/^ +/, "", lines[i])
            print escape(lines[i])
        }
        print ".fi"
        count = 0
        return
    }
    if (!described) {
        print ".SH DESCRIPTION"
        described = 1
    }
    if (lines[1] ~ /^[^ ].*:$/) {
        heading = lines[1]
        sub(/:$/, "", heading)
        print ".SS \"" escape(heading) "\""
        first = 2
    }
    indented = 0
    for (i = first; i <= count; ++i)
        if (lines[i] ~ /^ /)
            indented = 1
    if (first <= count) {
        print ".PP"
        if (indented)
            print ".nf"
        for (i = first; i <= count; ++i)
            print escape(lines[i])
        if (indented)
            print ".fi"
    }
    count = 0
}

NR == 1 {
    name = $1
    summary = $0
    sub(/^[^ ]+ +- +/, "", summary)
    print ".TH " toupper(name) " " section " \"" date "\" \"" source "\" \"" manual "\""
    print ".SH NAME"
    print escape(name) " \\- " escape(summary)
    next
}

/^[ \t]*$/ { flush(); next }

{
    sub(/[ \t]+$/, "")
    lines[++count] = $0
}

END { flush() }
