PaginorForm 1
Begin Form F
    Begin PaginorV2CTL.O2007Hover h
        Width = 1e300
    End
End
