# SPDX-License-Identifier: GPL-3.0-or-later
# Used by make-word-lists: finds the parts of speech of the broader lists' words. Reads WordNet's
# lemmas with their parts ("word noun"), WordNet's irregular verb forms ("took take"), then
# Hunspell's stems and every word of the lists, then the candidates; prints "word parts how" for
# each candidate it can place, trying in turn:
#   an inflection of a known word: plural (-s, -es, -ies, -men, and the classical -ae, -i, -a,
#     -es of -is, -oi of -os, -ces of -x), past or -ing (verb), -est, -ier, or -er with an -est
#     beside it (adjective), archaic -eth (verb)
#   a known word's inflection in the lists: -ed or -ing (verb), else a plural (noun); -est (adjective)
#   un- before a WordNet adjective (adjective), a- before a WordNet verb (adjective: aglow),
#     re-, out-, up-, mis- or be- before a WordNet verb or an irregular form of one (verb)
#   a compound of a WordNet noun and -man (noun) or -like (adjective)
#   a derivation from a known word: -ly or -ily (adverb), -y or -ey (adjective)
#   a derivational ending alone: -ic, -ous, -able ... (adjective), -ness, -ism ... (noun), -ize (verb)
# "how" is <base (an inflection of base), >form (the lists hold its inflection form), +rest
# (a prefix before rest), ~base (made from base) or - (read off its ending).
FNR == 1 { file++ }
# (Through a variable: some awks make the element before they test for it.)
file == 1 { parts = ($1 in wn) ? wn[$1] "," $2 : $2; wn[$1] = parts; known[$1] = 1; next }
file == 2 { irregular[$1] = $2; next }
file < 5 { known[$0] = 1; next }
function has(w) { return w in known }
# The word an ending was added to: as it stands, with a silent e, with a doubled consonant
# undone (tabbed, tab) or with y turned to i. WordNet's word of part of speech `pos` comes
# first where there is a choice (coming is come + ing, not com + ing).
function base(stem, pos,   n, tries, i, found) {
    n = length(stem)
    tries[1] = stem; tries[2] = stem "e"; tries[3] = ""; tries[4] = ""
    if (n >= 3 && substr(stem, n, 1) == substr(stem, n - 1, 1) && substr(stem, n, 1) !~ /[aeiou]/) tries[3] = substr(stem, 1, n - 1)
    if (substr(stem, n, 1) == "i") tries[4] = substr(stem, 1, n - 1) "y"
    found = ""
    for (i = 1; i <= 4; i++) {
        if (tries[i] == "" || !has(tries[i])) continue
        if (index("," wn[tries[i]] ",", "," pos ",")) return tries[i]
        if (found == "") found = tries[i]
    }
    return found
}
# Whether the lists hold a past or -ing form of `w`: then it is a verb.
function takesVerbEndings(w,   n) {
    n = length(w)
    return has(w "ed") || has(w "d") || has(w "ing") || has(w substr(w, n, 1) "ed") || (w ~ /e$/ && has(substr(w, 1, n - 1) "ing"))
}
# An -s form of `b`: the plural of a noun or a verb's third person, as WordNet or the lists tell;
# a noun where they tell nothing.
function addSForm(b,   pos) {
    pos = "," wn[b] ","
    if (index(pos, ",noun,") || !(index(pos, ",verb,") || takesVerbEndings(b))) add("noun")
    if (index(pos, ",verb,") || takesVerbEndings(b)) add("verb")
    form = "<" b
}
# The word in -y or -ey that `stem` + i- came from (jokily: joky or jokey).
function yBase(stem) { return has(stem "y") ? stem "y" : has(stem "ey") ? stem "ey" : "" }
# A classical singular whose plural the lists hold: -us and -i, -um or -on and -a, -a and -ae,
# -is and -es, -os and -oi.
function classicalPlural(w,   n, stem) {
    n = length(w); stem = substr(w, 1, n - 2)
    if (w ~ /us$/ && has(stem "i")) return stem "i"
    if (w ~ /(um|on)$/ && has(stem "a")) return stem "a"
    if (w ~ /a$/ && has(w "e")) return w "e"
    if (w ~ /is$/ && has(stem "es")) return stem "es"
    if (w ~ /os$/ && has(stem "oi")) return stem "oi"
    return ""
}
function add(p) { if (index("," parts ",", "," p ",") == 0) parts = parts (parts == "" ? "" : ",") p }
{
    w = $0; n = length(w); parts = ""; form = ""
    if (w ~ /[^s]s$/ && has(substr(w, 1, n - 1))) addSForm(substr(w, 1, n - 1))
    else if (w ~ /es$/ && has(substr(w, 1, n - 2))) addSForm(substr(w, 1, n - 2))
    else if (w ~ /ies$/ && has(substr(w, 1, n - 3) "y")) addSForm(substr(w, 1, n - 3) "y")
    else if (w ~ /men$/ && has(substr(w, 1, n - 3) "man")) { add("noun"); form = "<" substr(w, 1, n - 3) "man" }
    if (form == "" && w ~ /ae$/ && has(substr(w, 1, n - 1))) { add("noun"); form = "<" substr(w, 1, n - 1) }
    if (form == "" && w ~ /i$/ && has(substr(w, 1, n - 1) "us")) { add("noun"); form = "<" substr(w, 1, n - 1) "us" }
    if (form == "" && w ~ /a$/ && has(substr(w, 1, n - 1) "um")) { add("noun"); form = "<" substr(w, 1, n - 1) "um" }
    if (form == "" && w ~ /a$/ && has(substr(w, 1, n - 1) "on")) { add("noun"); form = "<" substr(w, 1, n - 1) "on" }
    if (form == "" && w ~ /es$/ && has(substr(w, 1, n - 2) "is")) { add("noun"); form = "<" substr(w, 1, n - 2) "is" }
    if (form == "" && w ~ /oi$/ && has(substr(w, 1, n - 2) "os")) { add("noun"); form = "<" substr(w, 1, n - 2) "os" }
    if (form == "" && w ~ /ces$/ && has(substr(w, 1, n - 3) "x")) { add("noun"); form = "<" substr(w, 1, n - 3) "x" }
    if (form == "" && w ~ /ed$/ && (b = base(substr(w, 1, n - 2), "verb")) != "") { add("verb"); form = "<" b }
    if (form == "" && w ~ /ing$/ && (b = base(substr(w, 1, n - 3), "verb")) != "") { add("verb"); form = "<" b }
    if (form == "" && w ~ /est$/ && (b = base(substr(w, 1, n - 3), "adjective")) != "") { add("adjective"); form = "<" b }
    if (form == "" && w ~ /er$/ && (b = base(substr(w, 1, n - 2), "adjective")) != "" && has(substr(w, 1, n - 2) "est")) { add("adjective"); form = "<" b }
    # -ier on a word in -y or -ey that is no verb and has no plural in -iers is a comparative
    # (jokier), not an agent noun (copier).
    if (form == "" && w ~ /ier$/ && (b = yBase(substr(w, 1, n - 3))) != "" && !index("," wn[b] ",", ",verb,") \
        && !takesVerbEndings(b) && !has(w "s")) { add("adjective"); form = "<" b }
    if (form == "" && w ~ /eth$/ && (b = base(substr(w, 1, n - 3), "verb")) != "") { add("verb"); form = "<" b }
    if (form == "" && w ~ /ly$/ && has(substr(w, 1, n - 2))) { add("adverb"); form = "~" substr(w, 1, n - 2) }
    if (form == "" && w ~ /ily$/ && (b = yBase(substr(w, 1, n - 3))) != "" && !has(substr(w, 1, n - 1) "ies")) { add("adverb"); form = "~" b }
    # As Hunspell's affix classes are read: past or -ing forms make a verb, an -s form without
    # them a noun, -est an adjective.
    if (form == "") {
        if (has(w "ed") || has(w "d")) { add("verb"); form = ">" (has(w "ed") ? w "ed" : w "d") }
        else if (has(w "ing") || has(w substr(w, n, 1) "ed")) { add("verb"); form = ">" (has(w "ing") ? w "ing" : w substr(w, n, 1) "ed") }
        else if (w ~ /e$/ && has(substr(w, 1, n - 1) "ing")) { add("verb"); form = ">" substr(w, 1, n - 1) "ing" }
        else if (has(w "s") || has(w "es")) { add("noun"); form = ">" (has(w "s") ? w "s" : w "es") }
        else if (w ~ /[^aeiou]y$/ && has(substr(w, 1, n - 1) "ies")) { add("noun"); form = ">" substr(w, 1, n - 1) "ies" }
        else if ((plural = classicalPlural(w)) != "") { add("noun"); form = ">" plural }
        if (has(w "est") || has(w "st")) { add("adjective"); if (form == "") form = ">" (has(w "est") ? w "est" : w "st") }
    }
    # un- before an adjective makes one, a- before a verb makes one (aglow, astir) unless the lists
    # inflect the word as a verb; re- and out- before a verb make verbs. Before a verb's irregular
    # form, re-, out-, up-, mis- and be- make verbs (betook, misdid), and so does un- where the
    # lists hold un- with the form's base (unhung: unhang); else un- makes an adjective (unspun).
    if (form == "") {
        split("un adjective a adjective re verb out verb up verb mis verb be verb", prefixes, " ")
        for (k = 1; k <= 13 && form == ""; k += 2) {
            rest = substr(w, length(prefixes[k]) + 1)
            if (substr(w, 1, length(prefixes[k])) != prefixes[k])
                continue
            if (k <= 7 && length(rest) >= 4 && index("," wn[rest] ",", "," (prefixes[k] == "a" ? "verb" : prefixes[k + 1]) ",") \
                && (prefixes[k] != "a" || !takesVerbEndings(w))) {
                add(prefixes[k + 1]); form = "+" rest
            } else if (prefixes[k] != "a" && length(rest) >= 3 && (rest in irregular)) {
                add(prefixes[k] != "un" || has("un" irregular[rest]) ? "verb" : "adjective"); form = "+" rest
            }
        }
    }
    # A compound of a noun: -man makes a noun (axeman), -like an adjective (oxlike).
    if (form == "" && w ~ /man$/ && index("," wn[substr(w, 1, n - 3)] ",", ",noun,")) { add("noun"); form = "+man" }
    if (form == "" && w ~ /like$/ && index("," wn[substr(w, 1, n - 4)] ",", ",noun,")) { add("adjective"); form = "+like" }
    if (form == "" && w ~ /[^aeiouy]y$/ && (b = base(substr(w, 1, n - 1), "noun")) != "") { add("adjective"); form = "~" b }
    # -y after a silent e or a vowel is often written -ey (stoney, echoey).
    if (form == "" && w ~ /ey$/ && ((b = base(substr(w, 1, n - 1), "noun")) != "" || (b = base(substr(w, 1, n - 2), "noun")) != "")) { add("adjective"); form = "~" b }
    if (form == "") {
        if (w ~ /(ic|al|ous|ish|ful|less|ive|able|ible|ary|oid)$/) { add("adjective"); form = "-" }
        else if (w ~ /(ness|ment|tion|sion|ism|ist|ity|ery|ure|ance|ence)$/) { add("noun"); form = "-" }
        else if (w ~ /(ize|ise|ify)$/) { add("verb"); form = "-" }
    }
    if (form != "") print w, parts, form
}
