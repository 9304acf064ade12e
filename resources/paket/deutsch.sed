# help2man writes the standard headings and the date in English; the pages are German.
s/^\.SH NAME$/.SH BEZEICHNUNG/
s/^\.SH DESCRIPTION$/.SH BESCHREIBUNG/
# The usage line opens its own paragraph instead of running into the text before it.
s/^Aufruf: /.PP\nAufruf: /
# Further usage lines stay lines of their own, under the first.
/\nAufruf: /,/^\.PP$/{
/^\.IP$/d
/^zor/s/^/.br\n/
}
/^\.TH /{
s/"January /"Januar /
s/"February /"Februar /
s/"March /"März /
s/"May /"Mai /
s/"June /"Juni /
s/"July /"Juli /
s/"October /"Oktober /
s/"December /"Dezember /
}
