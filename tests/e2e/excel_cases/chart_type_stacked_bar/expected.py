# The simple table with ChartType "Stacked Bar" (Excel type 58): the same
# chart data as the clustered column, drawn as horizontal stacked bars.
{
    "settings": ["ChartType=Stacked Bar"],
    "order": ["T1", "T1_Ch"],
    "sheets": {
        "T1_Ch": {
            "refs": ["T1!B4", "T1!B6", "T1!C3", "T1!C5", "T1!C7", "T1!D3", "T1!D5", "T1!D7"],
            "charts": [
                {"kind": "barChart/bar/stacked", "title": "Age", "x_title": "Gender", "y_title": "ColPercent",
                 "legend": "r", "series": [("T1_Ch!A2", "T1_Ch!B1:C1", "T1_Ch!B2:C2"),
                                           ("T1_Ch!A3", "T1_Ch!B1:C1", "T1_Ch!B3:C3")]},
            ],
        },
    },
}
