# SPDX-License-Identifier: GPL-3.0-or-later
# Used by make-word-lists: finds the parts of speech of the broader lists' words. Reads WordNet's
# lemmas with their parts ("word noun"), then every word the lists and Hunspell hold, then
# the candidates; prints "word parts how" for each candidate it can place.
FNR == 1 { file++ }
file == 1 { wn[$1] = ($1 in wn) ? wn[$1] "," $2 : $2; known[$1] = 1; next }
file < 4 { known[$0] = 1; next }
function has(w) { return w in known }
# The word an ending was added to: as it stands, with a silent e, with a doubled consonant
# undone (tabbed, tab) or with y turned to i.
function base(stem,   n) {
    n = length(stem)
    if (has(stem)) return stem
    if (has(stem "e")) return stem "e"
    if (n >= 3 && substr(stem, n, 1) == substr(stem, n - 1, 1) && substr(stem, n, 1) !~ /[aeiou]/ && has(substr(stem, 1, n - 1))) return substr(stem, 1, n - 1)
    if (substr(stem, n, 1) == "i" && has(substr(stem, 1, n - 1) "y")) return substr(stem, 1, n - 1) "y"
    return ""
}
function add(p) { if (index("," parts ",", "," p ",") == 0) parts = parts (parts == "" ? "" : ",") p }
{
    w = $0; n = length(w); parts = ""; form = ""
    if (w ~ /ies$/ && has(substr(w, 1, n - 3) "y")) { add("noun"); form = "<" substr(w, 1, n - 3) "y" }
    else if (w ~ /es$/ && has(substr(w, 1, n - 2))) { add("noun"); form = "<" substr(w, 1, n - 2) }
    else if (w ~ /[^s]s$/ && has(substr(w, 1, n - 1))) { add("noun"); form = "<" substr(w, 1, n - 1) }
    else if (w ~ /men$/ && has(substr(w, 1, n - 3) "man")) { add("noun"); form = "<" substr(w, 1, n - 3) "man" }
    if (form == "" && w ~ /ed$/ && (b = base(substr(w, 1, n - 2))) != "") { add("verb"); form = "<" b }
    if (form == "" && w ~ /ing$/ && (b = base(substr(w, 1, n - 3))) != "") { add("verb"); form = "<" b }
    if (form == "" && w ~ /est$/ && (b = base(substr(w, 1, n - 3))) != "") { add("adjective"); form = "<" b }
    if (form == "" && w ~ /er$/ && (b = base(substr(w, 1, n - 2))) != "" && has(substr(w, 1, n - 2) "est")) { add("adjective"); form = "<" b }
    if (form == "" && w ~ /ly$/ && has(substr(w, 1, n - 2))) { add("adverb"); form = "<" substr(w, 1, n - 2) }
    if (form == "") {
        if (has(w "s") || has(w "es")) { add("noun"); form = ">" (has(w "s") ? w "s" : w "es") }
        if (has(w "ed") || has(w "d")) { add("verb"); if (form == "") form = ">" (has(w "ed") ? w "ed" : w "d") }
        if (has(w "est") || has(w "st")) { add("adjective"); if (form == "") form = ">" (has(w "est") ? w "est" : w "st") }
    }
    if (form == "") {
        split("un re out", prefixes, " ")
        for (k = 1; k <= 3; k++) {
            rest = substr(w, length(prefixes[k]) + 1)
            if (substr(w, 1, length(prefixes[k])) == prefixes[k] && (rest in wn)) { parts = wn[rest]; form = "+" rest; break }
        }
    }
    if (form == "") {
        if (w ~ /(ic|al|ous|ish|ful|less|ive|able|ible|ary|oid)$/) { add("adjective"); form = "-" }
        else if (w ~ /(ness|ment|tion|sion|ism|ist|ity|ery|ure|ance|ence)$/) { add("noun"); form = "-" }
        else if (w ~ /(ize|ise|ify)$/) { add("verb"); form = "-" }
    }
    if (form != "") print w, parts, form
}
