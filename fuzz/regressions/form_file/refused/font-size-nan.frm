PaginorForm 1
Begin Form F
    Begin PaginorV2CTL.O2007Hover h
        Font = Font "Arial" nan
    End
End
