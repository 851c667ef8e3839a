# The peer of probel-cli plot in bench/compare-with-gnuplot.sh: a normal probability plot of
# one column of values on an A4 page, ranks from a cumulative count, heights from invnorm.
#   gnuplot -c bench/probability-plot.gp DATA OUT png|svg|pdf
data = ARG1; out = ARG2; term = ARG3
stats data using 1 nooutput
N = STATS_records
set table $ranked
plot data using 1:(1.0) smooth cumulative
unset table
if (term eq 'png') set terminal pngcairo size 794,1123 font "IPAPGothic,9"
if (term eq 'svg') set terminal svg size 794,1123 font "IPAPGothic,9"
if (term eq 'pdf') set terminal pdfcairo size 21cm,29.7cm font "IPAPGothic,9"
set output out
set grid
set key off
set title "Normal probability plot"
set ytics ("0.1" invnorm(0.001), "1" invnorm(0.01), "10" invnorm(0.1), "50" 0, "90" invnorm(0.9), "99" invnorm(0.99), "99.9" invnorm(0.999))
set yrange [invnorm(0.0001):invnorm(0.9999)]
plot $ranked using 1:(invnorm($2/(N+1))) with points pt 6 ps 0.6
