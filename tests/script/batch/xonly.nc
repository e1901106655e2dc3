G90 G00 X1.
Y5.
X2. Y6.
Z-1.
X3.
M30
