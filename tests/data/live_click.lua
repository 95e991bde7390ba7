-- The live test's form logic: says when the form is up and when hOne is clicked.
function Form_Load()
    hOne.HoverText = "Prompt"
    Print("ready")
end

function hOne_Click()
    Print("Click")
end
