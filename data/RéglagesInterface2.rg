COM1	0	Vellgrin
